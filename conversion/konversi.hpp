// The conversions between decimal, binary, octal and hexadecimal, and the
// program-wide cells they share with the option fronts.
#pragma once

#include <cstddef>
#include <cstdint>

// Room in teks_heksa: the longest word it keeps plus its terminating zero byte.
inline constexpr std::size_t ukuran_teks_heksa = 100;

// The number typed for option A, B or C: its value, for B and C a 32-bit pattern.
extern std::int32_t angka;
// The word typed for option D, ended by a zero byte.
extern char teks_heksa[ukuran_teks_heksa];
// Remainder scratch that desimal_ke_basis writes while it divides; no meaning between calls.
extern std::int32_t sisa;

// What became of a typed number: accepted, or refused and why.
enum class Putusan { diterima, tidak_valid, di_luar_jangkauan };

// Whether c is a hexadecimal digit, in either case.
bool digit_heksa(char c);

// Writes one result line for basis 2, 8 or 16; a negative x is written as its
// 32-bit two's-complement pattern.
void desimal_ke_basis(std::int32_t x, int basis);

// Takes the number of basis 2 or 8 from angka, or reads the word of basis 16 in
// teks_heksa, and writes its decimal line and the two other result lines; writes
// nothing when it refuses.
Putusan ke_desimal(int basis);
