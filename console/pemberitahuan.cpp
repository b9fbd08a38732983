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

void akhiri_dialog(int status) {
  if (!std::cout.flush()) {
    std::cerr << "Gagal menulis keluaran!!\n";
    status = 1;
  }
  akhiri_proses(status);
}

void masukan_habis(bool gagal) {
  std::cout << '\n' << std::flush;
  if (gagal) std::cerr << "Gagal membaca masukan!!\n";
  akhiri_dialog(1);
}
