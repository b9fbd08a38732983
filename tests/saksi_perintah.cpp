// Stands in for the Windows command processor in one test: it writes the command it
// was given, as "[/c cls]", where the clearing of the screen happens in the output.
#include <cstdio>

int main(int argc, char** argv) {
  std::fputs("[", stdout);
  for (int i = 1; i < argc; ++i) std::printf(i > 1 ? " %s" : "%s", argv[i]);
  std::fputs("]", stdout);
}
