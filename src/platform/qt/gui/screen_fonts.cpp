#include "platform/qt/gui/screen_fonts.h"

#include <algorithm>
#include <array>
#include <cstdint>

namespace {
struct FaceFamily {
  const char* face;
  const char* family;
};

// The URW clones of the PDF base fonts have the same advance widths as the layout's
// tables, so text measured by the layout fits what the screen shows.
constexpr FaceFamily kFamilies[] = {
    {"Arial", "Nimbus Sans"},
    {"Times New Roman", "Nimbus Roman"},
    {"Courier New", "Nimbus Mono PS"},
    {"Symbol", "Standard Symbols PS"},
    {"Wingdings", "D050000L"},
};

// Windows-1252 0x80..0x9F; the five unassigned codes keep their C1 value.
constexpr std::array<char16_t, 32> kCp1252High = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

bool IsSymbolic(const std::string& face) { return face == "Symbol" || face == "Wingdings"; }
}  // namespace

QString ScreenFamily(const std::string& face) {
  for (const auto& f : kFamilies)
    if (face == f.face) return QString::fromLatin1(f.family);
  return QString::fromStdString(face);
}

QFont ScreenQFont(const TScreenFont& font) {
  QFont q(ScreenFamily(font.Name));
  q.setPixelSize(std::max(font.CellHeight, 1));
  q.setBold(font.Bold);
  q.setItalic(font.Italic);
  q.setUnderline(font.Underline);
  q.setKerning(false);
  // Unhinted advances keep fractional widths, as the layout computes them.
  q.setHintingPreference(QFont::PreferNoHinting);
  // A glyph the face lacks must not be drawn in another face with other widths.
  q.setStyleStrategy(QFont::NoFontMerging);
  return q;
}

QString ScreenText(const std::string& face, const std::string& bytes) {
  QString s;
  s.reserve(int(bytes.size()));
  const bool symbolic = IsSymbolic(face);
  for (char ch : bytes) {
    auto b = static_cast<std::uint8_t>(ch);
    // The symbol and dingbat clones are indexed by the byte codes themselves.
    if (!symbolic && b >= 0x80 && b <= 0x9F)
      s.append(QChar(kCp1252High[b - 0x80]));
    else
      s.append(QChar(char16_t(b)));
  }
  return s;
}
