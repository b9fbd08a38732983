#include <iostream>
#include <string_view>

#include "console/konsol.hpp"

namespace {

// A message on standard error, written whole, as standard output is; if even that fails,
// nothing is left to tell it.
void tulis_galat(std::string_view pesan) {
  static_cast<void>(tulis_aliran(aliran_galat, pesan.data(), pesan.size()));
}

}  // namespace

void jaga_keluaran() {
  if (std::cout) return;
  tulis_galat("Gagal menulis keluaran!!\n");
  akhiri_proses(1);
}

void layar_baru() {
  bersihkan_layar();
  jaga_keluaran();
}

void kode_salah() {
  layar_baru();
  std::cout << "Kode yang Anda masukkan salah!!\n\n";
}

void tolak_bilangan(Putusan putusan, const char* pesan_tidak_valid) {
  const bool terlalu_besar = putusan == Putusan::di_luar_jangkauan;
  std::cout << (terlalu_besar ? "Bilangan di luar jangkauan!!" : pesan_tidak_valid) << '\n';
}

void akhiri_dialog(int status) {
  std::cout.flush();
  jaga_keluaran();
  akhiri_proses(status);
}

void masukan_habis(bool gagal) {
  std::cout << '\n' << std::flush;
  if (gagal) tulis_galat("Gagal membaca masukan!!\n");
  akhiri_dialog(1);
}
