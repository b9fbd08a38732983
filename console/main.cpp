#include "console/konsol.hpp"

int main(int, char**) {
  // Standard output gets a buffer of its own, which the reader of typed input sends
  // whenever the program may have to wait for the user.
  pasang_penyangga_keluaran();
  jalankan_menu();
}
