#include <iostream>

#include "conversion/konversi.hpp"

namespace {

// The digit stack: slot 0 stays unused, the least significant digit sits in slot 1.
std::int32_t hasil[100];
// The number of digits on the stack, which is also its top slot; 0 between calls.
std::int32_t jumlah_digit;

constexpr char lambang_digit[] = "0123456789ABCDEF";
constexpr std::size_t panjang_label = 21;

const char* label(int basis) {
  switch (basis) {
    case 2: return "Hasil biner        : ";
    case 8: return "Hasil oktal        : ";
    default: return "Hasil heksadesimal : ";
  }
}

void dorong_digit(std::uint32_t x, std::uint32_t basis) {
  do {
    sisa = static_cast<std::int32_t>(x % basis);
    hasil[++jumlah_digit] = sisa;
    x /= basis;
  } while (x > 0);
}

}  // namespace

void desimal_ke_basis(std::int32_t x, int basis) {
  dorong_digit(static_cast<std::uint32_t>(x), static_cast<std::uint32_t>(basis));

  // The line is put together first and written in one piece: 32 binary digits at most.
  char baris[panjang_label + 32 + 1];
  std::size_t panjang = 0;
  for (const char* huruf = label(basis); *huruf != '\0'; ++huruf) baris[panjang++] = *huruf;
  while (jumlah_digit != 0) baris[panjang++] = lambang_digit[hasil[jumlah_digit--]];
  baris[panjang++] = '\n';
  std::cout.write(baris, static_cast<std::streamsize>(panjang));
}
