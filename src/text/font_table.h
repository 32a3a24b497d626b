#pragma once

#include <array>
#include <string>
#include <vector>

// One PDF base font: its name (empty when the style does not exist) and the widths of the
// codes 32..255 in 1/1000 em.
struct TPostScriptFont {
  std::string Name;
  std::array<int, 224> Widths{};
  // Width of one byte; codes below 32 have none.
  int Width(unsigned char code) const { return code < 32 ? 0 : Widths[code - 32]; }
};

// Regular, bold, italic and bold italic, and the PDF encoding ("" for the font's own).
struct TPostScriptFontFace {
  std::array<TPostScriptFont, 4> Fonts;
  std::string Encoding;

  // The font of style `style` (bold 1, italic 2, both 3). A style the face lacks (Symbol
  // and Wingdings have only a regular font) is drawn, measured and exported in the
  // regular font, so PDF, SVG, the screen and the layout agree.
  const TPostScriptFont& Font(int style) const { return Fonts[std::size_t(AvailableStyle(style))]; }
  // `style` with its bold and italic bits (1 and 2) cleared when the face lacks that
  // combination; other bits are kept.
  int AvailableStyle(int style) const { return Fonts[std::size_t(style & 3)].Name.empty() ? style & ~3 : style; }
};

// A face as the user picks it: the screen name and the PDF fonts behind it.
struct TFontFace {
  std::string Name;
  TPostScriptFontFace Face;
};

using TCustomFontTable = std::vector<TFontFace>;

// Style indexes into TPostScriptFontFace::Fonts.
namespace FontStyleIndex {
inline constexpr int Regular = 0;
inline constexpr int Bold = 1;
inline constexpr int Italic = 2;
inline constexpr int BoldItalic = 3;
}  // namespace FontStyleIndex

// The five built-in faces ("Arial", "Times New Roman", "Courier New", "Symbol",
// "Wingdings"), then ExtraFontFaces. Built on first use and never changed.
const TCustomFontTable& FontTable();
// Faces a later version or a plug-in may add after the built-in ones; empty.
TCustomFontTable& ExtraFontFaces();
// The number of built-in faces: only these produce PDF font objects.
inline constexpr int BuiltinFaceCount = 5;
