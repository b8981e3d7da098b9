"""Case tables for the subsetmax program as built.

Each case: (name, args, stdin, stdout, status, stderr pattern). stdout is
compared byte for byte after "\n" is turned into the platform's line end;
the stderr pattern is a regular expression searched for (None: stderr must
be empty). In args, "{file}" stands for a temporary file holding stdin.
"""

# The edge cases of the selection rule; each row runs in both modes.
EDGE = [
    ("empty", [], "", "0\n", 0, None),
    ("only_whitespace", [], " \t\r\n\n", "0\n", 0, None),
    ("zero_count", [], "0", "0\n", 0, None),
    ("one_item_never_tested", [], "1\n5 7\n", "7\n", 0, None),
    ("one_negative_value", [], "1\n5 -7\n", "0\n", 0, None),
    ("negative_load_at_last_position", [], "2\n-1 10\n5 20\n", "30\n", 0, None),
    ("negative_load_fails_position_0", [], "2\n-3 9\n4 1\n", "1\n", 0, None),
    ("last_load_in_no_sum", [], "3\n1 30\n5 20\n100 10\n", "40\n", 0, None),
    ("ties_by_descending_load", [], "3\n1 10\n5 10\n0 1\n", "21\n", 0, None),
    ("equality_passes", [], "3\n4 10\n4 10\n4 10\n", "30\n", 0, None),
    ("two_excluded", [], "4\n1 40\n4 30\n2 20\n1 10\n", "50\n", 0, None),
    ("all_included", [], "4\n8 40\n4 30\n2 20\n1 10\n", "100\n", 0, None),
    # Totals past 32 bits are printed exactly.
    ("total_past_32_bits", [], "3\n0 2147483647\n0 2147483647\n0 2147483647\n",
     "6442450941\n", 0, None),
    ("most_negative_values", [], "2\n-2147483648 -2147483648\n0 -2147483648\n", "0\n", 0, None),
    # Suffix loads past 32 bits must not wrap into a pass.
    ("load_sum_past_32_bits", [], "4\n2147483647 4\n2147483647 3\n2147483647 2\n0 1\n",
     "8\n", 0, None),
    ("crlf_and_tabs", [], "2\r\n-1\t10\r\n5 20\r\n", "30\n", 0, None),
    ("plus_sign_and_leading_zeros", [], "+2 -01 +010 0005 20", "30\n", 0, None),
    ("trailing_input_ignored", [], "1 5 7 junk 8 9\n", "7\n", 0, None),
    ("no_final_line_end", [], "1\n5 7", "7\n", 0, None),
]

ERRORS = [
    ("not_a_number", [], "2\n1 10\n5 abc\n", "", 1,
     r'^subsetmax: line 3: expected an integer, got "abc"\r?\n$'),
    ("number_with_suffix", [], "1\n5 7x\n", "", 1,
     r'^subsetmax: line 2: expected an integer, got "7x"\r?\n$'),
    ("lone_sign", [], "1\n- 7\n", "", 1, r'line 2: expected an integer, got "-"'),
    ("count_not_a_number", [], "two\n", "", 1, r'line 1: expected an integer, got "two"'),
    ("above_32_bits", [], "1\n\n2147483648 1\n", "", 1,
     r'^subsetmax: line 3: integer out of 32-bit range, got "2147483648"\r?\n$'),
    ("below_32_bits", [], "1 1 -2147483649", "", 1, r'line 1: integer out of 32-bit range'),
    ("huge_count", [], "99999999999999999999", "", 1, r'out of 32-bit range'),
    ("negative_count", [], "-1\n", "", 1,
     r'^subsetmax: line 1: the count must not be negative, got -1\r?\n$'),
    ("ends_before_an_item", [], "3\n1 10\n5 10\n", "", 1,
     r'^subsetmax: line 3: expected the load of item 3 of 3, got end of input\r?\n$'),
    ("ends_inside_an_item", [], "2\n1 10\n5", "", 1,
     r'^subsetmax: line 3: expected the value of item 2 of 2, got end of input\r?\n$'),
    ("ends_after_count", [], "1\n\n", "", 1, r'line 2: expected the load of item 1 of 1'),
    ("control_bytes_escaped", [], "1 5 \x01\x7f\"", "", 1, r'got "\\x01\\x7f\\x22"'),
    ("long_token_shortened", [], "1 5 " + "9" * 100, "", 1, r'got "9{40}\.\.\."'),
    ("exhaustive_over_50", ["--exhaustive"], "51\n", "", 1,
     r'^subsetmax: line 1: --exhaustive takes at most 50 items, got 51\r?\n$'),
]

OPTIONS = [
    ("help", ["--help"], "", None, 0, None),
    ("help_short", ["-h"], "", None, 0, None),
    ("version", ["--version"], "", None, 0, None),
    ("exhaustive_50_accepted_count", ["--exhaustive"], "50", "", 1, r'item 1 of 50'),
    ("explain", ["--explain"], "4\n1 40\n4 30\n2 20\n1 10\n",
     "50\nitem 1: 1 40\nitem 4: 1 10\n", 0, None),
    ("explain_exhaustive", ["--explain", "--exhaustive"], "4\n1 40\n4 30\n2 20\n1 10\n",
     "50\nitem 1: 1 40\nitem 4: 1 10\n", 0, None),
    ("explain_nothing_chosen", ["--explain"], "1\n5 -7\n", "0\n", 0, None),
    ("explain_error", ["--explain"], "1\n5", "", 1, r'value of item 1 of 1'),
    ("unknown_option", ["--fast"], "1 5 7", "", 2,
     r'^subsetmax: unknown option "--fast"\r?\nusage: subsetmax'),
    ("two_files", ["a", "b"], "", "", 2, r'more than one FILE: "a" and "b"[\s\S]*usage:'),
    ("dash_is_stdin", ["-"], "1 5 7", "7\n", 0, None),
    ("double_dash", ["--", "-"], "1 5 7", "7\n", 0, None),
]

FILES = [
    ("file", ["{file}"], "2\n-1 10\n5 20\n", "30\n", 0, None),
    ("file_exhaustive", ["--exhaustive", "{file}"], "2\n-1 10\n5 20\n", "30\n", 0, None),
    ("file_error_names_line", ["{file}"], "2\n-1 10\nx\n", "", 1, r'line 3: expected an integer'),
    ("missing_file", ["no-such-file.txt"], "", "", 1,
     r'^subsetmax: cannot open "no-such-file\.txt": .+\r?\n$'),
]

# Rows with stdout None only check the status and that stdout is not empty.
TABLES = {"edge": EDGE, "errors": ERRORS, "options": OPTIONS, "file": FILES}
