#include <cstring>
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
    if (nilai_digit_heksa(*digit) == bukan_digit) return false;
  }
  return true;
}

}  // namespace

Putusan nilai_dari_digit(std::int32_t digit_desimal, int basis, std::int32_t& nilai) {
  // The magnitude in unsigned arithmetic, so that -2147483648 has one too.
  const bool tanda_negatif = digit_desimal < 0;
  std::uint32_t x = static_cast<std::uint32_t>(digit_desimal);
  if (tanda_negatif) x = 0U - x;

  // Ten digits at most, so both the place value and the sum stay below 2^31.
  std::int32_t jumlah = 0;
  std::int32_t pangkat = 1;
  for (; x > 0; x /= 10) {
    sisa = static_cast<std::int32_t>(x % 10);
    if (sisa >= basis) return Putusan::tidak_valid;
    jumlah += pangkat * sisa;
    pangkat *= basis;
  }
  nilai = tanda_negatif ? -jumlah : jumlah;
  return Putusan::diterima;
}

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

Putusan ke_desimal(int basis) {
  std::int32_t nilai = 0;
  const Putusan putusan =
      basis == 16 ? nilai_dari_heksa(teks_heksa, nilai) : nilai_dari_digit(angka, basis, nilai);
  if (putusan != Putusan::diterima) return putusan;

  std::cout << "Hasil desimal      : " << nilai << '\n';
  for (const int basis_lain : {2, 8, 16}) {
    if (basis_lain != basis) desimal_ke_basis(nilai, basis_lain);
  }
  return Putusan::diterima;
}
