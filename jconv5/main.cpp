#include <cstdio>

int main() {
  std::fputs("usage: jconv5 1 INPUT OUTPUT NAME IFO | jconv5 2 INPUT OUTPUT \" \" IFO\n", stderr);
  return 2;
}
