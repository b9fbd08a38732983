// The places where the program differs between platforms.
#include <cstdlib>
#include <iostream>

#include "console/konsol.hpp"

#ifdef _WIN32
#include <io.h>
#include <process.h>

// The command processor clears the console; its result is of no use here.
void bersihkan_layar() {
  std::cout.flush();
  static_cast<void>(std::system("cls"));
}

// Standard input in the C runtime's text mode, as its streams read it: CR LF arrives as
// LF, and a Ctrl-Z ends the input.
int baca_masukan(char* tujuan, int ukuran) {
  return _read(0, tujuan, static_cast<unsigned>(ukuran));
}
#else
#include <unistd.h>

#include <cerrno>

// Cursor home, erase the screen, erase the scroll-back: the terminal clears itself
// and no process is started.
constexpr char urutan_bersihkan_layar[] = "\x1b[H\x1b[2J\x1b[3J";

void bersihkan_layar() { std::cout << urutan_bersihkan_layar; }

// A read cut short by a signal is no failure of the input and is simply made again.
int baca_masukan(char* tujuan, int ukuran) {
  ssize_t terbaca;
  do {
    terbaca = read(STDIN_FILENO, tujuan, static_cast<std::size_t>(ukuran));
  } while (terbaca < 0 && errno == EINTR);
  return static_cast<int>(terbaca);
}
#endif

void akhiri_proses(int status) { _exit(status); }
