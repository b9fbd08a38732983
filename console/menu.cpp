#include <iostream>

#include "console/konsol.hpp"

namespace {

// Runs the front that pilih names; false when it names none.
bool jalankan_pilihan(char pilih) {
  switch (pilih) {
    case 'a':
    case 'A': pilihan_desimal(); return true;
    case 'b':
    case 'B': pilihan_biner(); return true;
    case 'c':
    case 'C': pilihan_oktal(); return true;
    case 'd':
    case 'D': pilihan_heksa(); return true;
    default: return false;
  }
}

// Asks whether to go again until the answer is Y or N: Y clears the screen and
// returns, N ends the dialogue (status 0 once all that was written is sent).
void tanya_coba_lagi() {
  for (;;) {
    std::cout << "\nIngin coba lagi (Y/N) ? ";
    const char coba_lagi = baca_karakter();
    if (coba_lagi == 'Y' || coba_lagi == 'y') {
      layar_baru();
      return;
    }
    if (coba_lagi == 'N' || coba_lagi == 'n') akhiri_dialog(0);
    kode_salah();
  }
}

}  // namespace

void tampilkan_menu() {
  std::cout << "Program Tavirel\n"
               "=============================================\n"
               "A = Desimal ke Biner, Oktal, Heksadesimal \n"
               "B = Biner ke Desimal, Oktal, Heksadesimal \n"
               "C = Oktal ke Desimal, Biner, Heksadesimal \n"
               "D = Heksadesimal ke Desimal, Biner, Oktal \n"
               "=============================================\n"
               "\n";
}

void jalankan_menu() {
  for (;;) {
    tampilkan_menu();
    std::cout << "Masukkan Pilihan : ";
    const char pilih = baca_karakter();
    std::cout << '\n';
    if (jalankan_pilihan(pilih)) {
      tanya_coba_lagi();
    } else {
      kode_salah();
    }
  }
}
