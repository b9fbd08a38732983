// The places where the program differs between platforms.
#include <algorithm>
#include <cstdlib>
#include <iostream>

#include "console/konsol.hpp"

#ifdef _WIN32
#include <io.h>
#include <process.h>
#include <sys/stat.h>

// The command processor clears the console once all that was written before is on it. The
// command's result is of no use here.
void bersihkan_layar() {
  if (std::cout.flush()) static_cast<void>(std::system("cls"));
}

namespace {

// Whether fd is the console, or another character device: its stat says so, from a
// function that every Windows since XP has.
bool konsol(int fd) {
  struct _stat64 keadaan;
  return _fstat64(fd, &keadaan) == 0 && (keadaan.st_mode & _S_IFCHR) != 0;
}

}  // namespace

// Windows 7 and earlier serve console reads from a small heap shared with writes, where a
// large request can fail; C runtimes ask for as much.
constexpr int bacaan_konsol_terbesar = 4096;

// Standard input in the C runtime's text mode, as its streams read it: CR LF arrives as
// LF, and a Ctrl-Z ends the input.
int baca_masukan(char* tujuan, int ukuran) {
  if (konsol(0)) ukuran = std::min(ukuran, bacaan_konsol_terbesar);
  return _read(0, tujuan, static_cast<unsigned>(ukuran));
}

// The stream in the C runtime's text mode, which writes each LF as CR LF; no more than the
// output buffer holds is ever asked for at once.
bool tulis_aliran(int aliran, const char* data, std::size_t ukuran) {
  while (ukuran > 0) {
    const int tertulis = _write(aliran, data, static_cast<unsigned>(ukuran));
    if (tertulis <= 0) return false;
    data += tertulis;
    ukuran -= static_cast<std::size_t>(tertulis);
  }
  return true;
}
#else
#include <poll.h>
#include <unistd.h>

#include <cerrno>

// Cursor home, erase the screen, erase the scroll-back: the terminal clears itself
// and no process is started.
constexpr char urutan_bersihkan_layar[] = "\x1b[H\x1b[2J\x1b[3J";

void bersihkan_layar() { std::cout << urutan_bersihkan_layar; }

namespace {

// Whether a failed read or write is worth making again: one cut short by a signal, or one
// on a stream that whoever started the program left non-blocking, once the stream is ready.
// The stream's own flags are left alone, since other programs may share them.
bool patut_diulang(int fd, short peristiwa) {
  if (errno == EINTR) return true;
  if (errno != EAGAIN && errno != EWOULDBLOCK) return false;
  pollfd tunggu{fd, peristiwa, 0};
  return poll(&tunggu, 1, -1) >= 0 || errno == EINTR;
}

}  // namespace

int baca_masukan(char* tujuan, int ukuran) {
  ssize_t terbaca;
  do {
    terbaca = read(STDIN_FILENO, tujuan, static_cast<std::size_t>(ukuran));
  } while (terbaca < 0 && patut_diulang(STDIN_FILENO, POLLIN));
  return static_cast<int>(terbaca);
}

// A write that takes nothing is a failure too, so that the program can never spin on it.
bool tulis_aliran(int aliran, const char* data, std::size_t ukuran) {
  while (ukuran > 0) {
    const ssize_t tertulis = write(aliran, data, ukuran);
    if (tertulis > 0) {
      data += tertulis;
      ukuran -= static_cast<std::size_t>(tertulis);
    } else if (tertulis == 0 || !patut_diulang(aliran, POLLOUT)) {
      return false;
    }
  }
  return true;
}
#endif

void akhiri_proses(int status) { _exit(status); }
