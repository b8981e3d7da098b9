#include "cli.h"

int main(int argc, char** argv) { return subsetmax::run(argc, argv); }
