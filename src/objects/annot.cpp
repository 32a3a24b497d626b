#include "objects/annot.h"

#include <algorithm>
#include <cmath>

#include "base/number_format.h"
#include "base/pdf_syntax.h"
#include "model/byte_reader.h"
#include "model/byte_writer.h"
#include "base/format_error.h"
#include "model/quarrion_canvas.h"
#include "model/surface.h"

namespace {
constexpr int kJumpAbsolute = 0;
constexpr int kJumpRelative = 1;
constexpr int kInternetLink = 2;

// A bare host name is a web address; the object keeps the completed form. Both exports
// complete it, so neither depends on which ran first.
void CompleteWebTarget(int kind, std::string& target) {
  if (kind == kInternetLink && target.find(':') == std::string::npos) target.insert(0, "http://");
}
constexpr int kFileLink = 3;
constexpr double kMaxZoom = 0xFFFFFF / 1000.0;

int Clamp16(long long v) { return int(std::clamp(v, -32768LL, 32767LL)); }
}  // namespace

TPDFAnnot::TPDFAnnot(int left, int top, int right, int bottom)
    : TPDFRectangle(left, top, right, bottom) {
  HelpContext = 1507;
}

std::unique_ptr<TPDFObject> TPDFAnnot::CreateBlank() const {
  return std::make_unique<TPDFAnnot>(0, 0, 0, 0);
}

void TPDFAnnot::SetDestination(const TLinkDest& dest) {
  Destination.Page = Clamp16(dest.Page);
  Destination.Left = Clamp16(dest.Left);
  Destination.Top = Clamp16(dest.Top);
  Destination.Zoom = dest.Zoom >= 0 ? std::min(dest.Zoom, kMaxZoom) : 0;  // NaN gives 0 too
}

void TPDFAnnot::Draw(TQuarrionCanvas& canvas) {
  // The frame marks the clickable area for the editor; a shown slide has no frame.
  if (canvas.DrawContext.Mode == TDrawMode::Show) return;
  Surface* s = canvas.SecondCanvas();
  if (!s) return;
  TColor colour = LinkKind == kInternetLink ? 0x0000FF : LinkKind == kFileLink ? 0x008000 : 0xFF0000;
  s->SetPen({colour, 1, Attached ? TPenStyle::Dotted : TPenStyle::Solid, TPenMode::Copy});
  s->SetBrush({0, TBrushStyle::Clear});
  TRect r = ScreenRect(canvas, Left, Top, Right, Bottom);
  if (!Attached) {
    s->Line({r.Left, r.Top}, {r.Right, r.Bottom});
    s->Line({r.Left, r.Bottom}, {r.Right, r.Top});
  }
  s->Rectangle(ScreenRect(canvas, Left, Top, Right + 1, Bottom + 1));
}

TLinkDest TPDFAnnot::ResolveTarget(const TQuarrionCanvas& canvas, const TLinkDest& dest,
                                   int pageIndex) const {
  const long long slide = pageIndex - canvas.MastersBefore(pageIndex);
  const long long n = canvas.SlideCount();
  long long target = dest.Page;
  if (LinkKind == kJumpRelative)
    target += slide;
  else if (target == -1)
    target = n - 1;
  if (target >= n) target = n - 1;
  if (target < 0) target = 0;
  TLinkDest result = dest;
  result.Page = int(target);
  return result;
}

void TPDFAnnot::PDFResources(TQuarrionCanvas& canvas, int firstNumber, TPDFResources& resources) {
  AnnotPages.clear();
  const auto& pages = canvas.Pages();
  const int count = int(pages.size());
  const int current = canvas.Page();
  if (current < 0 || current >= count) return;
  const bool relative = LinkKind == kJumpRelative;
  auto show = [&](int page) {
    int number = firstNumber + (relative ? int(AnnotPages.size()) : 0);
    AnnotPages.push_back({ResolveTarget(canvas, Destination, page), number, page});
  };
  if (pages[std::size_t(current)].IsMaster) {
    for (int p = current + 1; p < count && !pages[std::size_t(p)].IsMaster; ++p)
      if (pages[std::size_t(p)].UseMaster) show(p);
  } else {
    show(current);
  }
  if (AnnotPages.empty()) return;
  CompleteWebTarget(LinkKind, Target);
  const std::size_t objects = relative ? AnnotPages.size() : 1;
  for (std::size_t i = 0; i < objects; ++i) {
    // The message is made only for a listener: an export writes thousands of links.
    if (canvas.OnLog) canvas.Log("Annotation at " + IntToStr(firstNumber + static_cast<long long>(i)));
    TPDFResource r{"Annot", std::string(), false};
    AppendAnnotBody(canvas, AnnotPages[i], r.Body);
    resources.push_back(std::move(r));
  }
}

void TPDFAnnot::AppendAnnotBody(const TQuarrionCanvas& canvas, const TAnnotPage& entry,
                                std::string& out) const {
  const long long h = canvas.PageHeight;
  out.reserve(out.size() + 128 + Target.size());
  out.append("<</Type /Annot /Subtype /Link\n/Border [0 0 0] /H /O\n/Rect [");
  AppendInt(out, Left);
  out.push_back(' ');
  AppendInt(out, h - Bottom);
  out.push_back(' ');
  AppendInt(out, Right);
  out.push_back(' ');
  AppendInt(out, h - Top);
  out.append("]\n");
  if (LinkKind == kInternetLink || LinkKind == kFileLink) {
    out.append(LinkKind == kInternetLink ? "/A<</S /URI /URI (" : "/A<</S /GoToR /F (");
    AppendEscaped(out, Target, false);
    out.append(")>>\n");
  } else {
    const TLinkDest& d = entry.Dest;
    // PDF measures the top from the bottom of the page: the slide's own top is the page
    // height, so a viewer that scrolls shows the target slide and not the one after it.
    AppendPDFDestination(out, d.Page, d.Left, d.Zoom, int(h - d.Top));
  }
  out.append(">>");
}

void TPDFAnnot::PDFAnnots(int page, TPDFSelection& numbers) {
  for (const auto& entry : AnnotPages)
    if (entry.PageIndex == page) numbers.push_back(entry.ObjectNumber);
}

void TPDFAnnot::SVGCode(TQuarrionCanvas& canvas, std::string& out) {
  const bool jump = LinkKind != kInternetLink && LinkKind != kFileLink;
  CompleteWebTarget(LinkKind, Target);
  out.append("<a xlink:href=\"");
  if (!jump) AppendEscaped(out, Target, true);
  out.append("\"><rect stroke=\"none\" fill=\"none\" ");
  AppendSVGGeometry(out, Left, Top);
  if (jump) {
    // The empty link would reload the show; the script changes the slide instead.
    out.append("\" onclick=\"evt.preventDefault();ChangePage(");
    AppendInt(out, ResolveTarget(canvas, Destination, canvas.Page()).Page);
    out.push_back(')');
  }
  out.append("\" pointer-events=\"visible\"/></a>");
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
  // Jumps carry no target text, in the file or in the object: a target left over from
  // an earlier kind would make the loader take the link for an Internet link.
  if (LinkKind == kJumpAbsolute || LinkKind == kJumpRelative) Target.clear();
  w.Word(static_cast<long long>(Target.size()), "length of the link target");
  w.Append(Target);
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
  // -1 means "the last slide" whatever the page count; it never moves.
  if (LinkKind != kJumpAbsolute || Destination.Page == -1) return;
  int a = Owner() ? Owner()->GetAbsolutePage(fromPage) : -1;
  if (a == -1 || Destination.Page < a - 1) return;
  // A link to a removed first slide goes to the new first slide, not to "the last".
  Destination.Page = Clamp16(std::max(0LL, static_cast<long long>(Destination.Page) + delta));
}

void TPDFAnnot::PagesReordered(const TMultiSwap& swaps) {
  TPDFObject::PagesReordered(swaps);
  if (LinkKind != kJumpAbsolute) return;
  for (const auto& s : swaps) {
    if (s.Old == Destination.Page + 1) {
      Destination.Page = Clamp16(std::max(0LL, static_cast<long long>(s.New) - 1));
      return;
    }
  }
}
