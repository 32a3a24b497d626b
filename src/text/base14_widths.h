#pragma once

#include <array>
#include <cstdint>

// Advance widths (1/1000 em) of a standard PDF font for the codes 32..255.
struct TBase14Widths {
  const char* Name;
  std::array<std::uint16_t, 224> Widths;
};

// Helvetica, Times and Courier (regular, bold, italic, bold italic each), Symbol, ZapfDingbats.
extern const std::array<TBase14Widths, 14> kBase14Widths;
