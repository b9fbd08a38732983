// The console dialogue: the menu loop, the option fronts, the notices, the reading of
// typed input, the buffer of output and the things that differ between platforms.
#pragma once

#include <cstddef>
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
// Clears the screen for what comes next; once output has failed, ends the dialogue instead.
void layar_baru();
void kode_salah();
void tolak_bilangan(Putusan putusan, const char* pesan_tidak_valid);
// The one guard of failed output: once output has failed, ends the dialogue with status 1
// and a line on standard error that says so; otherwise does nothing.
void jaga_keluaran();
// Ends the dialogue once what was written is sent, through jaga_keluaran when it cannot be.
[[noreturn]] void akhiri_dialog(int status);
// Ends the dialogue where the input ends or fails: a line end, status 1, and after it a
// line on standard error when reading failed.
[[noreturn]] void masukan_habis(bool gagal);

// Gives standard output a buffer that sends its bytes through tulis_aliran.
void pasang_penyangga_keluaran();

// Typed input, with whitespace between tokens: a letter takes one character, a number stops at
// its first non-digit, a word takes all up to the whitespace, and what is left of a token answers
// the next read. Before each token, and after sending pending output before it waits for the
// user, each reader calls jaga_keluaran, so no reader goes on once output has failed; when the
// input ends before a token starts, each ends the dialogue through masukan_habis.
char baca_karakter();
// Takes an optional sign and the digits 0 to 9 after it, up to the first other character,
// as a number of basis 10 (signed 32-bit), 2 or 8 (a 32-bit pattern). A number with no
// digit, a digit not below the basis, or too large a value is refused and thrown away
// with the rest of its token.
Putusan baca_bilangan(int basis, std::int32_t& bilangan);
// Takes a whole word, of any length, handing each of its bytes to terima.
void baca_kata(void (*terima)(char));

// Platform.
// Clears the screen once all that was written before is sent; clears nothing once output has
// failed.
void bersihkan_layar();
// Ends the process at once, without exit handlers and without sending pending output.
[[noreturn]] void akhiri_proses(int status);
// Reads what standard input has at hand, waiting for at least one byte, also on a stream
// left non-blocking: the number of bytes read, 0 at the end of the input, below 0 when the
// read failed.
int baca_masukan(char* tujuan, int ukuran);
// The streams that the program writes: standard output and standard error.
constexpr int aliran_keluaran = 1;
constexpr int aliran_galat = 2;
// Writes all the bytes to the stream, waiting while it cannot take more, also on a stream left
// non-blocking; false when writing failed.
bool tulis_aliran(int aliran, const char* data, std::size_t ukuran);
