#include <iostream>

#include "console/konsol.hpp"

int main(int, char**) {
  // The streams get buffers of their own; the reader flushes the output itself
  // whenever it might have to wait for the user.
  std::ios::sync_with_stdio(false);
  std::cin.tie(nullptr);
  jalankan_menu();
}
