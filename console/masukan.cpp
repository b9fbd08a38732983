#include <algorithm>
#include <iostream>
#include <string>

#include "console/konsol.hpp"

namespace {

constexpr int akhir_masukan = std::char_traits<char>::eof();
constexpr std::int64_t pola_terbesar = 0xFFFFFFFF;
constexpr std::int64_t desimal_terbesar = 0x7FFFFFFF;

std::streambuf& sumber() { return *std::cin.rdbuf(); }

// The next byte, not taken yet, or akhir_masukan once the input has ended or failed. A
// byte not already at hand is read through the stream, after pending output is sent so
// that a prompt is on screen before the program waits. The stream is never read again
// after its end, as a terminal would wait for a second Ctrl-D, and it records a failed
// read as its bad state.
int intip() {
  if (sumber().in_avail() > 0) return sumber().sgetc();
  if (!std::cout.flush()) akhiri_dialog(1);
  return std::cin.peek();
}

void ambil() { sumber().sbumpc(); }

bool spasi(int c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

bool digit(int c) { return c >= '0' && c <= '9'; }

bool dalam_token(int c) { return c != akhir_masukan && !spasi(c); }

// Skips whitespace up to the next token; with no token left the dialogue cannot go on.
void menuju_token() {
  while (spasi(intip())) ambil();
  if (intip() == akhir_masukan) masukan_habis();
}

void buang_sisa_token() {
  for (int c = intip(); dalam_token(c); c = intip()) ambil();
}

// A decimal number is signed 32-bit; a binary or octal one is any 32-bit pattern.
std::int64_t besaran_terbesar(int basis, bool negatif) {
  if (basis != 10) return pola_terbesar;
  return negatif ? desimal_terbesar + 1 : desimal_terbesar;
}

}  // namespace

char baca_karakter() {
  menuju_token();
  return std::char_traits<char>::to_char_type(sumber().sbumpc());
}

Putusan baca_bilangan(int basis, std::int32_t& bilangan) {
  menuju_token();
  const bool negatif = intip() == '-';
  if (negatif || intip() == '+') ambil();

  // The magnitude saturates just past the limit, so any number of digits is safe.
  const std::int64_t batas = besaran_terbesar(basis, negatif);
  std::int64_t besar = 0;
  bool ada_digit = false;
  bool digit_salah = false;
  for (int c = intip(); digit(c); c = intip()) {
    ambil();
    const int nilai_digit = c - '0';
    ada_digit = true;
    digit_salah = digit_salah || nilai_digit >= basis;
    besar = std::min(besar * basis + nilai_digit, batas + 1);
  }

  if (!ada_digit || digit_salah || besar > batas) {
    buang_sisa_token();
    return ada_digit && !digit_salah ? Putusan::di_luar_jangkauan : Putusan::tidak_valid;
  }
  // A minus sign negates modulo 2^32, which gives a negative number its 32-bit pattern.
  bilangan = static_cast<std::int32_t>(static_cast<std::uint32_t>(negatif ? -besar : besar));
  return Putusan::diterima;
}

// Keeps a word that fits the cell; a longer one is consumed whole and refused. A zero byte
// would end the word in its cell, so a word holding one is refused as no number.
Putusan baca_kata(char (&kata)[ukuran_teks_heksa]) {
  menuju_token();
  std::size_t panjang = 0;
  bool terlalu_panjang = false;
  bool ada_nol = false;
  for (int c = intip(); dalam_token(c); c = intip()) {
    ambil();
    ada_nol = ada_nol || c == '\0';
    if (panjang + 1 < ukuran_teks_heksa) {
      kata[panjang++] = std::char_traits<char>::to_char_type(c);
    } else {
      terlalu_panjang = true;
    }
  }
  kata[panjang] = '\0';
  if (terlalu_panjang) return Putusan::di_luar_jangkauan;
  return ada_nol ? Putusan::tidak_valid : Putusan::diterima;
}
