#include <iostream>

#include "console/konsol.hpp"

namespace {

// Converts what a front has just read into its cell, or says why it is refused.
void ubah_atau_tolak(Putusan putusan, int basis, const char* pesan_tidak_valid) {
  if (putusan == Putusan::diterima) {
    ke_desimal(basis);
  } else {
    tolak_bilangan(putusan, pesan_tidak_valid);
  }
}

}  // namespace

void pilihan_desimal() {
  std::cout << "Masukkan bilangan desimal : ";
  const Putusan putusan = baca_bilangan(10, angka);
  if (putusan != Putusan::diterima) {
    tolak_bilangan(putusan, "Bilangan desimal tidak valid!!");
    return;
  }
  desimal_ke_basis(angka, 2);
  desimal_ke_basis(angka, 8);
  desimal_ke_basis(angka, 16);
}

void pilihan_biner() {
  std::cout << "Masukkan bilangan biner : ";
  ubah_atau_tolak(baca_bilangan(2, angka), 2, "Bilangan biner tidak valid!!");
}

void pilihan_oktal() {
  std::cout << "Masukkan bilangan oktal : ";
  ubah_atau_tolak(baca_bilangan(8, angka), 8, "Bilangan oktal tidak valid!!");
}

void pilihan_heksa() {
  std::cout << "Masukkan bilangan hexadesimal : ";
  mulai_kata_heksa();
  baca_kata(tambah_ke_kata_heksa);
  ubah_atau_tolak(putusan_kata_heksa(), 16, "Bilangan heksadesimal tidak valid!!");
}
