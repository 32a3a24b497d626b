// The saved form of a text object.
#include "model/byte_reader.h"
#include "model/byte_writer.h"
#include "base/format_error.h"
#include "text/text.h"

// After the base object: flags, text colour, face, the low 16 bits of the size and the
// line spacing, the text with its 16-bit length, the alignment letter, the link and block
// colours and ten reserved bytes. Sizes of 65.536 points and more keep their high 16 bits
// in the first four reserved bytes: older readers skip them and files without them hold
// zeros there, so both read as before.
void TPDFText::SaveToString(std::string& out) const {
  TPDFNormalised::SaveToString(out);
  auto checkSize = [](int v, const char* what) {
    if (v < 0) throw SaveRangeError(std::string(what) + " cannot be stored (it is negative)");
    return std::uint32_t(v);
  };
  const std::uint32_t size = checkSize(FontSize, "font size");
  const std::uint32_t spacing = checkSize(LineSpacing, "line spacing");
  ByteWriter w(out);
  w.Flags(std::uint8_t((Wrap ? 1 : 0) | (FontStyle & TextStyle::Bold ? 2 : 0) |
                       (FontStyle & TextStyle::Italic ? 4 : 0) | (Bulleted ? 8 : 0) |
                       (SmartQuotes ? 16 : 0) | (UnderlineLinks ? 32 : 0) |
                       (FontStyle & TextStyle::Underline ? 64 : 0) | (BlockOut ? 128 : 0)));
  w.Colour(TextColour);
  w.Byte(FontFace, "font face");
  w.Word(size & 0xFFFF, "font size");
  w.Word(spacing & 0xFFFF, "line spacing");
  w.Word(static_cast<long long>(text_.size()), "length of the text (at most 65535 bytes)");
  w.Append(text_);
  w.Flags(Alignment == TextAlign::Right ? 'R' : Alignment == TextAlign::Centre ? 'C' : 'L');
  w.Colour(LinkColour);
  w.Colour(BlockColour);
  w.Word(size >> 16, "font size");
  w.Word(spacing >> 16, "line spacing");
  w.Zeros(6);
}

void TPDFText::LoadFromString(ByteReader& in) {
  TPDFNormalised::LoadFromString(in);
  const std::uint8_t flags = in.Byte("text flags");
  Wrap = flags & 1;
  Bulleted = flags & 8;
  SmartQuotes = flags & 16;
  UnderlineLinks = flags & 32;
  BlockOut = flags & 128;
  FontStyle = std::uint8_t((flags & 2 ? TextStyle::Bold : 0) | (flags & 4 ? TextStyle::Italic : 0) |
                           (flags & 64 ? TextStyle::Underline : 0));
  TextColour = in.Colour("text colour");
  FontFace = in.Byte("font face");
  std::uint32_t size = in.Word("font size");
  std::uint32_t spacing = in.Word("line spacing");
  const std::size_t n = in.Word("length of the text");
  SetText(in.Bytes(n, "text"));
  switch (in.Byte("alignment")) {
    case 'C':
      Alignment = TextAlign::Centre;
      break;
    case 'L':
      Alignment = TextAlign::Left;
      break;
    case 'R':
      Alignment = TextAlign::Right;
      break;
    default:
      break;
  }
  LinkColour = in.Colour("link colour");
  BlockColour = in.Colour("block colour");
  size |= std::uint32_t(in.Word("font size")) << 16;
  spacing |= std::uint32_t(in.Word("line spacing")) << 16;
  in.Skip(6, "text reserved bytes");
  // Values past the int range can only come from a damaged file.
  if (size > 0x7FFFFFFF || spacing > 0x7FFFFFFF) in.Fail("font size out of range");
  FontSize = int(size);
  LineSpacing = int(spacing);
  if (!TabStops.IsDefault()) TabStops = TSharedTabRack();
  Dirty = true;
}
