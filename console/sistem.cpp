// The two places where the program differs between platforms.
#include <cstdlib>
#include <iostream>

#include "console/konsol.hpp"

#ifdef _WIN32
#include <process.h>

// The command processor clears the console; its result is of no use here.
void bersihkan_layar() {
  std::cout.flush();
  static_cast<void>(std::system("cls"));
}
#else
#include <unistd.h>

// Cursor home, erase the screen, erase the scroll-back: the terminal clears itself
// and no process is started.
constexpr char urutan_bersihkan_layar[] = "\x1b[H\x1b[2J\x1b[3J";

void bersihkan_layar() { std::cout << urutan_bersihkan_layar; }
#endif

void akhiri_proses(int status) { _exit(status); }
