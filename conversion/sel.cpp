#include "conversion/konversi.hpp"

std::int32_t angka;
char teks_heksa[ukuran_teks_heksa];
std::int32_t sisa;
