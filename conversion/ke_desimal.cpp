#include <cstring>
#include <initializer_list>
#include <iostream>

#include "conversion/konversi.hpp"

namespace {

constexpr int bukan_digit = -1;
constexpr std::size_t digit_heksa_terbanyak = 8;

int nilai_digit_heksa(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  return bukan_digit;
}

const char* lewati_awalan_heksa(const char* teks) {
  const bool ada_awalan = teks[0] == '0' && (teks[1] == 'x' || teks[1] == 'X');
  return ada_awalan ? teks + 2 : teks;
}

bool semua_digit_heksa(const char* digit) {
  for (; *digit != '\0'; ++digit) {
    if (!digit_heksa(*digit)) return false;
  }
  return true;
}

// The value of a hexadecimal word: an optional "0x" or "0X", then digits in either case,
// at most eight of them after the leading zeros.
Putusan nilai_dari_heksa(const char* teks, std::int32_t& nilai) {
  const char* digit = lewati_awalan_heksa(teks);
  if (*digit == '\0' || !semua_digit_heksa(digit)) return Putusan::tidak_valid;

  const std::size_t nol_di_depan = std::strspn(digit, "0");
  const std::size_t panjang = std::strlen(digit);
  if (panjang - nol_di_depan > digit_heksa_terbanyak) return Putusan::di_luar_jangkauan;

  // Eight digits fill 32 bits exactly; the top digit decides the sign.
  std::uint32_t jumlah = 0;
  std::uint32_t pangkat = 1;
  for (std::size_t i = panjang; i > nol_di_depan; --i) {
    const auto suku = static_cast<std::uint32_t>(nilai_digit_heksa(digit[i - 1])) * pangkat;
    jumlah += suku;
    pangkat <<= 4;
  }
  nilai = static_cast<std::int32_t>(jumlah);
  return Putusan::diterima;
}

}  // namespace

bool digit_heksa(char c) { return nilai_digit_heksa(c) != bukan_digit; }

Putusan ke_desimal(int basis) {
  // A binary or octal number was read as its value; a hexadecimal one comes as a word.
  std::int32_t nilai = angka;
  if (basis == 16) {
    const Putusan putusan = nilai_dari_heksa(teks_heksa, nilai);
    if (putusan != Putusan::diterima) return putusan;
  }

  std::cout << "Hasil desimal      : " << nilai << '\n';
  for (const int basis_lain : {2, 8, 16}) {
    if (basis_lain != basis) desimal_ke_basis(nilai, basis_lain);
  }
  return Putusan::diterima;
}
