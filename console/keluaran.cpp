#include <iostream>
#include <streambuf>

#include "console/konsol.hpp"

namespace {

// Standard output's buffer, whose bytes leave only through tulis_aliran: it sends them when
// it is full and when the stream is flushed, and tells the stream when sending failed.
class PenyanggaKeluaran : public std::streambuf {
 public:
  PenyanggaKeluaran() { kosongkan(); }

 protected:
  int_type overflow(int_type c) override {
    if (!kirim()) return traits_type::eof();
    if (traits_type::eq_int_type(c, traits_type::eof())) return traits_type::not_eof(c);
    return sputc(traits_type::to_char_type(c));
  }

  int sync() override { return kirim() ? 0 : -1; }

 private:
  static constexpr int ukuran = 1 << 14;

  void kosongkan() { setp(ruang, ruang + ukuran); }

  // Bytes that could not be sent are dropped with the failure, which jaga_keluaran notices.
  bool kirim() {
    const auto ukuran_isi = static_cast<std::size_t>(pptr() - pbase());
    const bool terkirim = tulis_aliran(aliran_keluaran, pbase(), ukuran_isi);
    kosongkan();
    return terkirim;
  }

  char ruang[ukuran];
};

PenyanggaKeluaran penyangga_keluaran;

}  // namespace

void pasang_penyangga_keluaran() { std::cout.rdbuf(&penyangga_keluaran); }
