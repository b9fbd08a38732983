// Stands in for the Windows command processor in the transcripts, which the C runtime starts as
// "COMSPEC /c COMMAND": it writes "[/c COMMAND]" where the clearing of the screen happens in the
// output; where the output takes nothing more, on standard error, so that a clearing after
// output has failed still shows.
#include <cstdio>
#include <initializer_list>

int main(int, char** argv) {
  for (std::FILE* aliran : {stdout, stderr}) {
    std::fprintf(aliran, "[%s %s]", argv[1], argv[2]);
    if (std::fflush(aliran) == 0) break;
  }
}
