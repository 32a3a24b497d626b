#include "base/pdf_syntax.h"

#include <array>
#include <cstdint>

#include "base/number_format.h"

namespace {
// Character references for the bytes 0x80..0x9F of Windows-1252. The table is the one the
// SVG slide show has always used; some entries are not the standard mapping.
constexpr std::uint16_t kHighControlCodes[32] = {
    0x20AC, 0x2026, 0x201A, 0x0191, 0x201E, 0x2026, 0x2020, 0x2021,
    0x0088, 0x2030, 0x0160, 0x008B, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x0098, 0x2122, 0x0161, 0x009B, 0x0153, 0x009D, 0x017E, 0x0178};
}  // namespace

namespace {
// A PDF string: a backslash before each backslash and parenthesis. The text between them
// goes in one piece.
void AppendPDFEscaped(std::string& out, std::string_view text) {
  std::size_t start = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (c != '\\' && c != '(' && c != ')') continue;
    out.append(text.data() + start, i - start);
    out.push_back('\\');
    start = i;
  }
  out.append(text.data() + start, text.size() - start);
}
}  // namespace

void AppendEscaped(std::string& out, std::string_view text, bool forXml) {
  if (!forXml) {
    AppendPDFEscaped(out, text);
    return;
  }
  for (char ch : text) {
    auto c = std::uint8_t(ch);
    switch (c) {
      case '&': out.append("&amp;"); break;
      case '<': out.append("&lt;"); break;
      case '>': out.append("&gt;"); break;
      case '\'': out.append("&apos;"); break;
      case '"': out.append("&quot;"); break;
      default:
        // XML 1.0 cannot hold these control bytes at all, not even as references.
        if (c < 0x20 && c != '\t' && c != '\n' && c != '\r') break;
        if (c > 127) {
          out.append("&#");
          AppendInt(out, c >= 160 ? c : kHighControlCodes[c - 128]);
          out.push_back(';');
        } else {
          out.push_back(ch);
        }
    }
  }
}

namespace {
// Windows-1252 0x80..0x9F as Unicode; the five undefined bytes keep their C1 value.
constexpr std::uint16_t kWindows1252High[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

// PDFDocEncoding's own characters: 0x18..0x1F and 0x80..0x9E; 0xA0 is the euro sign.
constexpr std::uint16_t kPDFDocLow[8] = {0x02D8, 0x02C7, 0x02C6, 0x02D9,
                                         0x02DD, 0x02DB, 0x02DA, 0x02DC};
constexpr std::uint16_t kPDFDocHigh[31] = {
    0x2022, 0x2020, 0x2021, 0x2026, 0x2014, 0x2013, 0x0192, 0x2044, 0x2039, 0x203A, 0x2212,
    0x2030, 0x201E, 0x201C, 0x201D, 0x2018, 0x2019, 0x201A, 0x2122, 0xFB01, 0xFB02, 0x0141,
    0x0152, 0x0160, 0x0178, 0x017D, 0x0131, 0x0142, 0x0153, 0x0161, 0x017E};

std::uint16_t UnicodeOf(std::uint8_t c) { return c >= 0x80 && c < 0xA0 ? kWindows1252High[c - 0x80] : c; }

// The PDFDocEncoding code of `u`, or -1 when it has none.
int PDFDocCode(std::uint16_t u) {
  if (u == '\t' || u == '\n' || u == '\r' || (u >= 0x20 && u < 0x7F)) return u;
  if (u >= 0xA1 && u <= 0xFF && u != 0xAD) return u;
  if (u == 0x20AC) return 0xA0;
  for (int i = 0; i < 8; ++i)
    if (kPDFDocLow[i] == u) return 0x18 + i;
  for (int i = 0; i < 31; ++i)
    if (kPDFDocHigh[i] == u) return 0x80 + i;
  return -1;
}
}  // namespace

void AppendPDFTextString(std::string& out, std::string_view text) {
  std::string doc;
  for (char ch : text) {
    int code = PDFDocCode(UnicodeOf(std::uint8_t(ch)));
    if (code < 0) {
      static constexpr char kHex[] = "0123456789ABCDEF";
      out.append("<FEFF");
      for (char c : text) {
        std::uint16_t u = UnicodeOf(std::uint8_t(c));
        for (int shift = 12; shift >= 0; shift -= 4) out.push_back(kHex[(u >> shift) & 15]);
      }
      out.push_back('>');
      return;
    }
    doc.push_back(char(code));
  }
  out.push_back('(');
  AppendEscaped(out, doc, false);
  out.push_back(')');
}

std::string EscapeText(std::string_view text, bool forXml) {
  std::string s;
  s.reserve(text.size() + 8);
  AppendEscaped(s, text, forXml);
  return s;
}

namespace {
// The 256 channel values are formatted once; colours are written for nearly every object.
const std::string& ChannelText(int value) {
  static const auto table = [] {
    std::array<std::string, 256> t;
    for (int v = 0; v < 256; ++v) AppendGeneral(t[std::size_t(v)], v / 255.0, 3);
    return t;
  }();
  return table[std::size_t(value & 255)];
}
}  // namespace

void AppendPDFColour(std::string& out, TColor colour) {
  out.append(ChannelText(RedOf(colour)));
  out.push_back(' ');
  out.append(ChannelText(GreenOf(colour)));
  out.push_back(' ');
  out.append(ChannelText(BlueOf(colour)));
}

std::string PDFColour(TColor colour) {
  std::string s;
  AppendPDFColour(s, colour);
  return s;
}

std::string SVGColour(TColor colour) {
  static constexpr char kHex[] = "0123456789ABCDEF";
  std::string s = "#";
  for (int v : {RedOf(colour), GreenOf(colour), BlueOf(colour)}) {
    s.push_back(kHex[v >> 4]);
    s.push_back(kHex[v & 15]);
  }
  return s;
}

std::string PDFDestination(int page, int left, double zoom, int top) {
  std::string s;
  AppendPDFDestination(s, page, left, zoom, top);
  return s;
}

void AppendPDFDestination(std::string& out, int page, int left, double zoom, int top) {
  out.append("/Dest [");
  AppendInt(out, 2LL * page + 4);
  out.append(" 0 R /XYZ ");
  AppendInt(out, left);
  out.push_back(' ');
  AppendInt(out, top);
  out.push_back(' ');
  AppendGeneral(out, zoom, 2);
  out.append("]\n");
}
