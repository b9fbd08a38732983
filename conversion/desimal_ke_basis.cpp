#include <iostream>

#include "conversion/konversi.hpp"

namespace {

// The digit stack, named hasil since its digits are the result: slot 0 stays unused, the least
// significant digit sits in slot 1.
std::int32_t hasil[100];
// The number of digits on the stack, which is also its top slot; 0 between calls.
std::int32_t jumlah_digit;

constexpr char lambang_digit[] = "0123456789ABCDEF";
// A 32-bit pattern has its most digits in base 2.
constexpr std::size_t digit_terbanyak = 32;

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

  char tulisan[digit_terbanyak];
  std::streamsize panjang = 0;
  while (jumlah_digit != 0) tulisan[panjang++] = lambang_digit[hasil[jumlah_digit--]];
  std::cout << label(basis);
  std::cout.write(tulisan, panjang) << '\n';
}
