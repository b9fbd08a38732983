#include <iostream>

#include "console/konsol.hpp"

void kode_salah() {
  bersihkan_layar();
  std::cout << "Kode yang Anda masukkan salah!!\n\n";
}

void tolak_bilangan(Putusan putusan, const char* pesan_tidak_valid) {
  const bool terlalu_besar = putusan == Putusan::di_luar_jangkauan;
  std::cout << (terlalu_besar ? "Bilangan di luar jangkauan!!" : pesan_tidak_valid) << '\n';
}
