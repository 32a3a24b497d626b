#include "objects/annot.h"

#include <cmath>

#include "model/byte_reader.h"
#include "model/byte_writer.h"
#include "model/format_error.h"
#include "model/quarrion_canvas.h"

TPDFAnnot::TPDFAnnot(int left, int top, int right, int bottom)
    : TPDFRectangle(left, top, right, bottom) {
  HelpContext = 1507;
}

std::unique_ptr<TPDFObject> TPDFAnnot::CreateBlank() const {
  return std::make_unique<TPDFAnnot>(0, 0, 0, 0);
}

void TPDFAnnot::AssignAppearanceTo(TPDFObject& dest) const {
  if (!dest.IsA(ClassId::Annot)) return;
  TPDFRectangle::AssignAppearanceTo(dest);
  auto& a = static_cast<TPDFAnnot&>(dest);
  a.LinkKind = LinkKind;
  a.Target = Target;
  a.Attached = Attached;
  a.Destination = Destination;
}

void TPDFAnnot::SaveToString(std::string& out) const {
  TPDFRectangle::SaveToString(out);
  ByteWriter w(out);
  w.Byte(LinkKind, "link kind");
  // Jumps carry no target text.
  const bool jump = LinkKind == 0 || LinkKind == 1;
  const std::string& target = jump ? std::string() : Target;
  w.Word(static_cast<long long>(target.size()), "length of the link target");
  w.Append(target);
  w.Zeros(14);
  w.Word(static_cast<long long>(Destination.Page) + 32768, "link page + 32768");
  w.Word(static_cast<long long>(Destination.Left) + 32768, "link left + 32768");
  w.Word(static_cast<long long>(Destination.Top) + 32768, "link top + 32768");
  double zoom = std::round(Destination.Zoom * 1000);
  if (!(zoom >= 0 && zoom <= 0xFFFFFF))
    throw SaveRangeError("link zoom cannot be stored (allowed: 0 to 16777.215)");
  long long z = static_cast<long long>(zoom);
  for (int i = 0; i < 3; ++i) w.Flags(std::uint8_t((z >> (8 * i)) & 0xFF));
  w.Zeros(7);
}

void TPDFAnnot::LoadFromString(ByteReader& in) {
  TPDFRectangle::LoadFromString(in);
  int kind = in.Byte("link kind");
  LinkKind = (kind >= 1 && kind <= 3) ? kind : 0;
  std::size_t n = in.Word("length of the link target");
  Target = std::string(in.Bytes(n, "link target"));
  if (!Target.empty() && LinkKind != 3) LinkKind = 2;
  in.Skip(14, "link reserved bytes");
  Destination.Page = int(in.Word("link page")) - 32768;
  Destination.Left = int(in.Word("link left")) - 32768;
  Destination.Top = int(in.Word("link top")) - 32768;
  auto z = in.Bytes(3, "link zoom");
  Destination.Zoom = (std::uint8_t(z[0]) | (std::uint8_t(z[1]) << 8) | (std::uint8_t(z[2]) << 16)) / 1000.0;
  in.Skip(7, "link reserved bytes");
}

void TPDFAnnot::PagesShifted(int delta, int fromPage) {
  TPDFObject::PagesShifted(delta, fromPage);
  if (LinkKind != 0) return;
  int a = Owner() ? Owner()->GetAbsolutePage(fromPage) : -1;
  if (a != -1 && Destination.Page >= a - 1) Destination.Page += delta;
}

void TPDFAnnot::PagesReordered(const TMultiSwap& swaps) {
  TPDFObject::PagesReordered(swaps);
  if (LinkKind != 0) return;
  for (const auto& s : swaps) {
    if (s.Old == Destination.Page + 1) {
      Destination.Page = s.New - 1;
      return;
    }
  }
}
