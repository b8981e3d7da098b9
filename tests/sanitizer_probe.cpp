// Overflows a signed integer on purpose: the sanitizer build must abort.
#include <climits>
#include <cstdio>

int main(int argc, char**) {
  volatile int x = INT_MAX;
  const int y = x + argc;
  std::printf("%d\n", y);
  return 0;
}
