#include <algorithm>
#include <iostream>
#include <string>

#include "console/konsol.hpp"

namespace {

constexpr int akhir_masukan = std::char_traits<char>::eof();
constexpr std::int64_t pola_terbesar = 0xFFFFFFFF;
constexpr std::int64_t desimal_terbesar = 0x7FFFFFFF;

// Every typed byte comes through this buffer, filled from standard input only when it is
// empty; the bytes from `awal` up to `akhir` are not taken yet.
constexpr int ukuran_penyangga = 1 << 16;
char penyangga[ukuran_penyangga];
int awal = 0;
int akhir = 0;

enum class Keadaan { terbuka, habis, gagal };
Keadaan keadaan_masukan = Keadaan::terbuka;

// Fills the empty buffer. Pending output is sent first, since the program may now wait
// for the user and the prompt must be on screen. An end or a failed read is final.
void isi_penyangga() {
  std::cout.flush();
  jaga_keluaran();
  const int terbaca = baca_masukan(penyangga, ukuran_penyangga);
  if (terbaca > 0) {
    awal = 0;
    akhir = terbaca;
  } else {
    keadaan_masukan = terbaca == 0 ? Keadaan::habis : Keadaan::gagal;
  }
}

// The next byte, not taken yet, or akhir_masukan once the input has ended or failed. When
// no byte is at hand, it sends pending output and waits for the user (see isi_penyangga).
int tunggu_byte() {
  if (awal == akhir && keadaan_masukan == Keadaan::terbuka) isi_penyangga();
  return awal < akhir ? std::char_traits<char>::to_int_type(penyangga[awal]) : akhir_masukan;
}

// Takes the byte that tunggu_byte has just shown.
void ambil() { ++awal; }

bool spasi(int c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

bool digit_desimal(int c) { return c >= '0' && c <= '9'; }

bool dalam_token(int c) { return c != akhir_masukan && !spasi(c); }

// Skips whitespace up to the next token; with no token left the dialogue cannot go on, nor
// once output has failed, even where the token is already at hand.
void menuju_token() {
  jaga_keluaran();
  while (spasi(tunggu_byte())) ambil();
  if (tunggu_byte() == akhir_masukan) masukan_habis(keadaan_masukan == Keadaan::gagal);
}

void buang_sisa_token() {
  for (int c = tunggu_byte(); dalam_token(c); c = tunggu_byte()) ambil();
}

// A decimal number is signed 32-bit; a binary or octal one is any 32-bit pattern.
std::int64_t besaran_terbesar(int basis, bool negatif) {
  if (basis != 10) return pola_terbesar;
  return negatif ? desimal_terbesar + 1 : desimal_terbesar;
}

}  // namespace

char baca_karakter() {
  menuju_token();
  const int c = tunggu_byte();
  ambil();
  return std::char_traits<char>::to_char_type(c);
}

Putusan baca_bilangan(int basis, std::int32_t& bilangan) {
  menuju_token();
  const bool negatif = tunggu_byte() == '-';
  if (negatif || tunggu_byte() == '+') ambil();

  // The magnitude saturates just past the limit, so any number of digits is safe.
  const std::int64_t batas = besaran_terbesar(basis, negatif);
  std::int64_t besar = 0;
  bool ada_digit = false;
  bool digit_salah = false;
  for (int c = tunggu_byte(); digit_desimal(c); c = tunggu_byte()) {
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

void baca_kata(void (*terima)(char)) {
  menuju_token();
  for (int c = tunggu_byte(); dalam_token(c); c = tunggu_byte()) {
    ambil();
    terima(std::char_traits<char>::to_char_type(c));
  }
}
