#include <cstdio>

int main() {
  std::fputs("usage: tomekit-cli import|export [--mode M] FILE...\n", stderr);
  return 2;
}
