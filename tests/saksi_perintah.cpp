// Stands in for the Windows command processor in the transcripts: it writes the command it
// was given, as "[/c cls]", where the clearing of the screen happens in the output; where the
// output takes nothing more, on standard error, so that a clearing after output has failed
// still shows.
#include <cstdio>
#include <initializer_list>

int main(int argc, char** argv) {
  for (std::FILE* aliran : {stdout, stderr}) {
    std::fputs("[", aliran);
    for (int i = 1; i < argc; ++i) std::fprintf(aliran, i > 1 ? " %s" : "%s", argv[i]);
    std::fputs("]", aliran);
    if (std::fflush(aliran) == 0) break;
  }
}
