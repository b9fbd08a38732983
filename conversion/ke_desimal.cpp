#include <algorithm>
#include <initializer_list>
#include <iostream>

#include "conversion/konversi.hpp"

namespace {

constexpr int bukan_digit = -1;
// Eight hexadecimal digits fill 32 bits exactly; the top digit decides the sign.
constexpr std::size_t digit_heksa_terbanyak = 8;

// What the judge keeps of the word read so far.
std::size_t panjang_kata;
bool nol_di_awal;
bool ada_digit;
bool ada_byte_salah;
std::size_t digit_berarti;

int nilai_digit_heksa(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  return bukan_digit;
}

// The digits of teks_heksa, most significant first, as a 32-bit pattern.
std::int32_t nilai_teks_heksa() {
  std::uint32_t pola = 0;
  for (const char* c = teks_heksa; *c != '\0'; ++c) {
    pola = pola << 4 | static_cast<std::uint32_t>(nilai_digit_heksa(*c));
  }
  return static_cast<std::int32_t>(pola);
}

}  // namespace

void mulai_kata_heksa() {
  panjang_kata = 0;
  nol_di_awal = false;
  ada_digit = false;
  ada_byte_salah = false;
  digit_berarti = 0;
}

// The prefix's "0" was taken as a leading zero; its "x" makes the digits start anew. Any other
// byte that is no digit, a zero byte among them, spoils the word, however long.
void tambah_ke_kata_heksa(char c) {
  const bool awalan = panjang_kata == 1 && nol_di_awal && (c == 'x' || c == 'X');
  if (panjang_kata == 0) nol_di_awal = c == '0';
  ++panjang_kata;
  if (awalan) {
    ada_digit = false;
  } else if (nilai_digit_heksa(c) == bukan_digit) {
    ada_byte_salah = true;
  } else {
    ada_digit = true;
    if (digit_berarti > 0 || c != '0') {
      if (digit_berarti < digit_heksa_terbanyak) teks_heksa[digit_berarti] = c;
      ++digit_berarti;
    }
  }
}

Putusan putusan_kata_heksa() {
  teks_heksa[std::min(digit_berarti, digit_heksa_terbanyak)] = '\0';
  if (ada_byte_salah || !ada_digit) return Putusan::tidak_valid;
  if (digit_berarti > digit_heksa_terbanyak) return Putusan::di_luar_jangkauan;
  return Putusan::diterima;
}

void ke_desimal(int basis) {
  // A binary or octal number was read as its value; a hexadecimal one left its digits.
  const std::int32_t nilai = basis == 16 ? nilai_teks_heksa() : angka;
  std::cout << "Hasil desimal      : " << nilai << '\n';
  for (const int basis_lain : {2, 8, 16}) {
    if (basis_lain != basis) desimal_ke_basis(nilai, basis_lain);
  }
}
