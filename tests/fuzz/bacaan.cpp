// Fuzz target for the reading of typed input: the word of option D and the digits of
// options B and C, from the bytes of the stream to the value they stand for.
//
// The first byte picks the reading ('b' binary, 'c' octal, anything else the
// hexadecimal word); the other bytes are the stream. A broken promise aborts, and
// so does any sanitizer report.
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <iostream>
#include <sstream>
#include <string>
#include <string_view>

#include "console/konsol.hpp"

namespace {

// Stands for the end of the process, which the reader asks for when the stream runs dry.
struct ProsesBerakhir {
  int status;
};

constexpr std::string_view spasi = " \t\n\v\f\r";
constexpr std::size_t digit_heksa_terbanyak = 8;

void pastikan(bool syarat, const char* janji) {
  if (syarat) return;
  std::fprintf(stderr, "broken: %s\n", janji);
  std::abort();
}

// The first whitespace-separated token of the stream, or an empty text when it has none.
std::string token_pertama(const std::string& aliran) {
  const std::size_t awal = aliran.find_first_not_of(spasi);
  if (awal == std::string::npos) return {};
  const std::size_t akhir = aliran.find_first_of(spasi, awal);
  return aliran.substr(awal, akhir == std::string::npos ? std::string::npos : akhir - awal);
}

bool semua_heksa(const std::string& digit) {
  return !digit.empty() && digit.find_first_not_of("0123456789abcdefABCDEF") == std::string::npos;
}

// A word is kept whole when it fits the cell. Read as text up to its first zero byte,
// it is accepted when its digits are hexadecimal and at most eight count, and then its
// value is the one the C library reads and reads back from its own base-16 spelling.
void periksa_kata(const std::string& aliran) {
  const std::string token = token_pertama(aliran);
  const Putusan bacaan = baca_kata(teks_heksa);
  pastikan(std::memchr(teks_heksa, '\0', ukuran_teks_heksa) != nullptr,
           "the word ends inside its cell");
  if (token.size() >= ukuran_teks_heksa) {
    pastikan(bacaan == Putusan::di_luar_jangkauan, "a word too long for the cell is refused");
    return;
  }
  pastikan(bacaan == Putusan::diterima, "a word that fits is accepted");
  pastikan(
      std::memcmp(teks_heksa, token.data(), token.size()) == 0 && teks_heksa[token.size()] == '\0',
      "a word that fits is kept whole");

  const std::string kata = token.substr(0, token.find('\0'));
  const bool awalan = kata.size() >= 2 && kata[0] == '0' && (kata[1] == 'x' || kata[1] == 'X');
  const std::string digit = awalan ? kata.substr(2) : kata;
  std::int32_t nilai = 0;
  const Putusan putusan = nilai_dari_heksa(teks_heksa, nilai);
  if (!semua_heksa(digit)) {
    pastikan(putusan == Putusan::tidak_valid, "a word with a non-hexadecimal digit is invalid");
    return;
  }
  const std::size_t nol_di_depan = std::min(digit.find_first_not_of('0'), digit.size());
  if (digit.size() - nol_di_depan > digit_heksa_terbanyak) {
    pastikan(putusan == Putusan::di_luar_jangkauan, "more than eight digits are out of range");
    return;
  }
  pastikan(putusan == Putusan::diterima, "eight digits or fewer are accepted");
  pastikan(nilai == static_cast<std::int32_t>(std::strtoul(digit.c_str(), nullptr, 16)),
           "the value is the one the C library reads");

  char ejaan[9];
  std::snprintf(ejaan, sizeof ejaan, "%X", static_cast<std::uint32_t>(nilai));
  std::int32_t nilai_lagi = 0;
  pastikan(nilai_dari_heksa(ejaan, nilai_lagi) == Putusan::diterima && nilai_lagi == nilai,
           "the value reads back from its base-16 spelling");
}

// The digits of |bilangan| in basis, read as a decimal numeral, with its sign.
std::int64_t digit_dalam_basis(std::int32_t bilangan, int basis) {
  std::int64_t besar = bilangan < 0 ? -static_cast<std::int64_t>(bilangan) : bilangan;
  std::int64_t digit = 0;
  for (std::int64_t tempat = 1; besar > 0; besar /= basis, tempat *= 10)
    digit += besar % basis * tempat;
  return bilangan < 0 ? -digit : digit;
}

// A number is the one the C library reads; digits that fit the basis give a value whose
// digits in that basis are the ones typed, and any other digit is invalid.
void periksa_digit(const std::string& aliran, int basis) {
  char* akhir = nullptr;
  const long long harapan = std::strtoll(aliran.c_str(), &akhir, 10);
  const bool ada_angka = akhir != aliran.c_str();

  const Putusan bacaan = baca_bilangan(angka);
  if (!ada_angka) {
    pastikan(bacaan == Putusan::tidak_valid, "a token without digits is invalid");
    return;
  }
  if (harapan < INT32_MIN || harapan > INT32_MAX) {
    pastikan(bacaan == Putusan::di_luar_jangkauan, "a number past 32 bits is out of range");
    return;
  }
  pastikan(bacaan == Putusan::diterima && angka == harapan,
           "the number is the one the C library reads");

  std::int32_t nilai = 0;
  const Putusan putusan = nilai_dari_digit(angka, basis, nilai);
  const std::string tertulis = std::to_string(angka);
  const bool digit_sah =
      tertulis.find_first_not_of(basis == 2 ? "-01" : "-01234567") == std::string::npos;
  pastikan((putusan == Putusan::diterima) == digit_sah,
           "exactly the digits below the basis are accepted");
  if (digit_sah)
    pastikan(digit_dalam_basis(nilai, basis) == angka,
             "the value is written with the digits typed");
}

}  // namespace

// The fuzz build has no process to end and no screen to clear.
void akhiri_proses(int status) { throw ProsesBerakhir{status}; }
void bersihkan_layar() {}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  const std::string aliran(reinterpret_cast<const char*>(data) + 1, size - 1);
  std::stringbuf masukan(aliran, std::ios::in);
  std::stringbuf keluaran;
  std::cin.rdbuf(&masukan);
  std::cout.rdbuf(&keluaran);

  try {
    switch (data[0]) {
      case 'b': periksa_digit(aliran, 2); break;
      case 'c': periksa_digit(aliran, 8); break;
      default: periksa_kata(aliran); break;
    }
    pastikan(keluaran.str().empty(), "reading writes nothing");
  } catch (const ProsesBerakhir& akhir) {
    pastikan(akhir.status == 1 && token_pertama(aliran).empty(),
             "only a stream without a token ends the process");
    pastikan(keluaran.str() == "\n", "the end of the input is a line end");
  }
  std::cin.rdbuf(nullptr);
  std::cout.rdbuf(nullptr);
  return 0;
}
