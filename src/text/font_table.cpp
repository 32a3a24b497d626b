#include "text/font_table.h"

#include <cstring>

#include "text/base14_widths.h"

namespace {
TPostScriptFont BaseFont(const char* name) {
  TPostScriptFont f;
  f.Name = name;
  for (const auto& w : kBase14Widths)
    if (std::strcmp(w.Name, name) == 0)
      for (int i = 0; i < 224; ++i) f.Widths[i] = w.Widths[i];
  return f;
}

TFontFace LatinFace(const char* screen, const char* regular, const char* bold, const char* italic,
                    const char* boldItalic) {
  TFontFace face;
  face.Name = screen;
  face.Face.Fonts = {BaseFont(regular), BaseFont(bold), BaseFont(italic), BaseFont(boldItalic)};
  face.Face.Encoding = "WinAnsiEncoding";
  return face;
}

TFontFace SymbolicFace(const char* screen, const char* base) {
  TFontFace face;
  face.Name = screen;
  face.Face.Fonts[0] = BaseFont(base);  // the other styles stay empty, all widths 0
  return face;
}

TCustomFontTable BuildFontTable() {
  TCustomFontTable table = {
      LatinFace("Arial", "Helvetica", "Helvetica-Bold", "Helvetica-Oblique", "Helvetica-BoldOblique"),
      LatinFace("Times New Roman", "Times-Roman", "Times-Bold", "Times-Italic", "Times-BoldItalic"),
      LatinFace("Courier New", "Courier", "Courier-Bold", "Courier-Oblique", "Courier-BoldOblique"),
      SymbolicFace("Symbol", "Symbol"),
      SymbolicFace("Wingdings", "ZapfDingbats"),
  };
  for (const auto& extra : ExtraFontFaces()) table.push_back(extra);
  return table;
}
}  // namespace

TCustomFontTable& ExtraFontFaces() {
  static TCustomFontTable extra;
  return extra;
}

const TCustomFontTable& FontTable() {
  static const TCustomFontTable table = BuildFontTable();
  return table;
}
