// The console dialogue: the menu loop, the option fronts, the notices, the
// reading of typed input and the two things that differ between platforms.
#pragma once

#include <cstdint>

#include "conversion/konversi.hpp"

// Menu loop.
[[noreturn]] void jalankan_menu();
void tampilkan_menu();

// Option fronts: each prompts, reads one number and converts it or refuses it.
void pilihan_desimal();
void pilihan_biner();
void pilihan_oktal();
void pilihan_heksa();

// Notices.
void kode_salah();
void tolak_bilangan(Putusan putusan, const char* pesan_tidak_valid);

// Typed input, one whitespace-separated token at a time. When the input ends
// before a token starts, each of them writes a line end and ends the process
// with status 1.
char baca_karakter();
Putusan baca_bilangan(std::int32_t& bilangan);
Putusan baca_kata(char (&kata)[ukuran_teks_heksa]);

// Platform.
void bersihkan_layar();
[[noreturn]] void akhiri_proses(int status);
