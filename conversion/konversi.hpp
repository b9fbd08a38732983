// The conversions between decimal, binary, octal and hexadecimal, and the
// program-wide cells they share with the option fronts.
#pragma once

#include <cstddef>
#include <cstdint>

// Room in teks_heksa: the longest word it keeps plus its terminating zero byte.
inline constexpr std::size_t ukuran_teks_heksa = 100;

// The number typed for option A, B or C.
extern std::int32_t angka;
// The word typed for option D, ended by a zero byte.
extern char teks_heksa[ukuran_teks_heksa];
// Remainder scratch that both conversions write while they divide; no meaning between calls.
extern std::int32_t sisa;

// What became of a typed number: accepted, or refused and why.
enum class Putusan { diterima, tidak_valid, di_luar_jangkauan };

// Writes one result line for basis 2, 8 or 16; a negative x is written as its
// 32-bit two's-complement pattern.
void desimal_ke_basis(std::int32_t x, int basis);

// Reads the input cell of basis 2, 8 (angka) or 16 (teks_heksa) and writes its
// decimal line and the two other result lines; writes nothing when it refuses.
Putusan ke_desimal(int basis);

// The value of digits of basis 2 or 8 that were typed as the decimal number
// digit_desimal; its sign carries over to the value.
Putusan nilai_dari_digit(std::int32_t digit_desimal, int basis, std::int32_t& nilai);

// The value of a hexadecimal word: an optional "0x" or "0X", then digits in either
// case, at most eight of them after the leading zeros.
Putusan nilai_dari_heksa(const char* teks, std::int32_t& nilai);
