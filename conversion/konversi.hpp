// The conversions between decimal, binary, octal and hexadecimal, and the
// program-wide cells they share with the option fronts.
#pragma once

#include <cstddef>
#include <cstdint>

// Room in teks_heksa, which holds at most eight digits and their terminating zero byte.
inline constexpr std::size_t ukuran_teks_heksa = 100;

// The number typed for option A, B or C: its value, for B and C a 32-bit pattern.
extern std::int32_t angka;
// What option D keeps of the word typed: its significant digits, at most eight of them,
// ended by a zero byte.
extern char teks_heksa[ukuran_teks_heksa];
// Remainder scratch that desimal_ke_basis writes while it divides; no meaning between calls.
extern std::int32_t sisa;

// What became of a typed number: accepted, or refused and why.
enum class Putusan { diterima, tidak_valid, di_luar_jangkauan };

// A hexadecimal word of any length, judged as it is read, one byte at a time: an optional
// "0x" or "0X", then digits in either case, at most eight of them after the leading zeros.
// mulai_kata_heksa starts a word; tambah_ke_kata_heksa takes its next byte;
// putusan_kata_heksa judges the word, and leaves in teks_heksa the significant digits of a
// word it accepts (none for zero).
void mulai_kata_heksa();
void tambah_ke_kata_heksa(char c);
Putusan putusan_kata_heksa();

// Writes one result line for basis 2, 8 or 16; a negative x is written as its
// 32-bit two's-complement pattern.
void desimal_ke_basis(std::int32_t x, int basis);

// Takes the number of basis 2 or 8 from angka, or the hexadecimal digits of teks_heksa, and
// writes its decimal line and the two other result lines.
void ke_desimal(int basis);
