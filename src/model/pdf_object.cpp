#include "model/pdf_object.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "base/number_format.h"
#include "base/pdf_colour_state.h"
#include "model/byte_reader.h"
#include "model/byte_writer.h"
#include "base/format_error.h"
#include "model/quarrion_canvas.h"
#include "model/surface.h"
#include "objects/annot.h"
#include "objects/gradient.h"

TPDFObject::TPDFObject(int left, int top, int right, int bottom)
    : Top(top), Left(left), Bottom(bottom), Right(right) {}

TPDFObject::~TPDFObject() = default;

std::unique_ptr<TPDFObject> TPDFObject::Clone() const {
  auto copy = CreateBlank();
  AssignTo(*copy);
  return copy;
}

void TPDFObject::AssignTo(TPDFObject& dest) const {
  AssignAppearanceTo(dest);
  AssignGeometryTo(dest);
}

void TPDFObject::ClampBounds() {
  Left = ClampCoord(Left);
  Top = ClampCoord(Top);
  Right = ClampCoord(Right);
  Bottom = ClampCoord(Bottom);
}

void TPDFObject::MoveEdges(int edges, int dx, int dy) {
  // Kept inside what the saved form holds, so a drag can never make a document unsavable.
  if (edges & Edge::Left) Left = ClampCoord(static_cast<long long>(Left) + dx);
  if (edges & Edge::Right) Right = ClampCoord(static_cast<long long>(Right) + dx);
  if (edges & Edge::Top) Top = ClampCoord(static_cast<long long>(Top) + dy);
  if (edges & Edge::Bottom) Bottom = ClampCoord(static_cast<long long>(Bottom) + dy);
  if (gradient_) gradient_->PlaceGradient(*this);
}

int TPDFObject::HitTest(int x, int y) const {
  auto near = [&](int cx, int cy) { return std::abs(x - cx) < 4 && std::abs(y - cy) < 4; };
  if (near(Left, Top)) return Edge::TopLeft;
  if (near(Left, Bottom)) return Edge::BottomLeft;
  if (near(Right, Top)) return Edge::TopRight;
  if (near(Right, Bottom)) return Edge::BottomRight;
  if (Left < x && x < Right && Top < y && y < Bottom) return Edge::All;
  return 0;
}

void TPDFObject::Normalise() {
  if (owner_) {
    Left = owner_->Snap(Left);
    Top = owner_->Snap(Top);
    Right = owner_->Snap(Right);
    Bottom = owner_->Snap(Bottom);
  }
  ClampBounds();
  if (gradient_) gradient_->PlaceGradient(*this);
}

TRect TPDFObject::SetBounds(const TRect& r) {
  Left = r.Left;
  Top = r.Top;
  Right = r.Right;
  Bottom = r.Bottom;
  return r;
}

TRect TPDFObject::ScreenRect(const TQuarrionCanvas& canvas, int left, int top, int right,
                             int bottom) const {
  TPoint a = canvas.PageToScreen(left, top), b = canvas.PageToScreen(right, bottom);
  return {a.X, a.Y, b.X, b.Y};
}

void TPDFObject::Draw(TQuarrionCanvas&) {}

void TPDFObject::DrawHighlight(TQuarrionCanvas& canvas) {
  TRect own{Left, Top, Right, Bottom};
  DrawFrame(canvas, own);
  DrawHandles(canvas, own);
}

void TPDFObject::DrawFrame(TQuarrionCanvas& canvas, const TRect& b) {
  Surface* s = canvas.SecondCanvas();
  if (!s) return;
  s->SetPen({0, 1, TPenStyle::Dotted, TPenMode::Not});
  s->SetBrush({0, TBrushStyle::Clear});
  s->Rectangle(ScreenRect(canvas, b.Left, b.Top, b.Right + 1, b.Bottom + 1));
}

void TPDFObject::DrawHandles(TQuarrionCanvas& canvas, const TRect& b) {
  Surface* s = canvas.SecondCanvas();
  if (!s) return;
  s->SetPen({0, 1, TPenStyle::Solid, TPenMode::Copy});
  s->SetBrush({0xFFFF00, TBrushStyle::Solid});
  const TPoint corners[4] = {{b.Left, b.Top}, {b.Left, b.Bottom}, {b.Right, b.Top}, {b.Right, b.Bottom}};
  for (TPoint c : corners) {
    TPoint p = canvas.PageToScreen(c.X, c.Y);
    s->Rectangle({p.X - 4, p.Y - 4, p.X + 4, p.Y + 4});
  }
}

void TPDFObject::PDFCode(TQuarrionCanvas&, std::string&) {}

void TPDFObject::SVGCode(TQuarrionCanvas& canvas, std::string& out) {
  for (auto& a : annots_) a->SVGCode(canvas, out);
}

void TPDFObject::PDFResources(TQuarrionCanvas& canvas, int firstNumber, TPDFResources& resources) {
  // The gradient and the links only append their resources: they go straight in.
  auto add = [&](TPDFObject& o) {
    std::size_t before = resources.size();
    o.PDFResources(canvas, firstNumber, resources);
    firstNumber += int(resources.size() - before);
  };
  if (gradient_) add(*gradient_);
  for (auto& a : annots_) add(*a);
}

void TPDFObject::SVGResources(TQuarrionCanvas& canvas, TResources& resources) {
  if (gradient_) gradient_->SVGResources(canvas, resources);
  for (auto& a : annots_) a->SVGResources(canvas, resources);
}

void TPDFObject::PDFAnnots(int page, TPDFSelection& numbers) {
  for (auto& a : annots_) a->PDFAnnots(page, numbers);
}

void TPDFObject::AssignAppearanceTo(TPDFObject& dest) const {
  dest.LineWidth = LineWidth;
  dest.DashPattern = DashPattern;
  if (gradient_) {
    auto copy = gradient_->Clone();
    dest.SetGradient(std::unique_ptr<TPDFGradient>(static_cast<TPDFGradient*>(copy.release())));
  } else {
    dest.DetachGradient();
  }
}

void TPDFObject::AssignGeometryTo(TPDFObject& dest) const {
  dest.Top = Top;
  dest.Left = Left;
  dest.Bottom = Bottom;
  dest.Right = Right;
  dest.Locked = Locked;
  dest.Deleted = Deleted;
}

std::string TPDFObject::SaveToString() const {
  std::string s;
  SaveToString(s);
  return s;
}

void TPDFObject::SaveToString(std::string& out) const {
  ByteWriter w(out);
  w.Flags(std::uint8_t((Locked ? 1 : 0) | (Deleted ? 2 : 0)));
  w.Coord(Top, "Top");
  w.Coord(Left, "Left");
  w.Coord(Bottom, "Bottom");
  w.Coord(Right, "Right");
  w.Byte(static_cast<long long>(DashPattern.size()), "number of dash entries");
  for (auto d : DashPattern) w.Flags(d);
  double fixed = std::trunc(LineWidth * 65536.0);
  if (!(fixed >= 0 && fixed <= 4294967295.0))
    throw SaveRangeError("line width " + FormatGeneral(LineWidth, 6) +
                         " cannot be stored (allowed: 0 to 65535)");
  w.DWord(std::uint32_t(fixed));
  w.Flags(std::uint8_t(PageIndex & 0xFF));
  w.Zeros(14);
  w.Byte(static_cast<long long>(annots_.size()), "number of attached links");
  for (auto& a : annots_) a->SaveToString(out);
  w.Flags(gradient_ ? 1 : 0);
  if (gradient_) gradient_->SaveToString(out);
}

void TPDFObject::LoadFromString(ByteReader& in) {
  std::uint8_t flags = in.Byte("object flags");
  Locked = flags & 1;
  Deleted = flags & 2;
  Top = in.Coord("Top");
  Left = in.Coord("Left");
  Bottom = in.Coord("Bottom");
  Right = in.Coord("Right");
  int n = in.Byte("number of dash entries");
  auto dashes = in.Bytes(std::size_t(n), "dash pattern");
  DashPattern.assign(dashes.begin(), dashes.end());
  LineWidth = in.DWord("line width") / 65536.0;
  PageIndex = in.Byte("page index");
  in.Skip(14, "reserved bytes");
  int m = in.Byte("number of attached links");
  annots_.clear();
  for (int i = 0; i < m; ++i) {
    auto link = std::make_unique<TPDFAnnot>(0, 0, 0, 0);
    link->LoadFromString(in);
    AddAnnot(std::move(link));
  }
  if (in.Byte("gradient flag") == 1) {
    auto g = std::make_unique<TPDFGradient>(0, 0, 0, 0);
    g->LoadFromString(in);
    SetGradient(std::move(g));
  } else {
    gradient_.reset();
  }
}

std::string_view TPDFObject::LoadFromString(std::string_view s) {
  ByteReader in(s);
  LoadFromString(in);
  return in.Rest();
}

void TPDFObject::PagesShifted(int delta, int fromPage) {
  int a = owner_ ? owner_->GetAbsolutePage(fromPage) - 1 : fromPage - 1;
  for (std::size_t i = 0; i < annots_.size();) {
    TPDFAnnot& link = *annots_[i];
    // -1 means "the last slide": it names no page that could be removed.
    if (link.LinkKind == 0 && link.Destination.Page != -1 && link.Destination.Page >= a) {
      if (delta < 0 && link.Destination.Page + delta < a) {
        annots_.erase(annots_.begin() + std::ptrdiff_t(i));
        continue;
      }
      link.PagesShifted(delta, fromPage);
    }
    ++i;
  }
}

void TPDFObject::PagesReordered(const TMultiSwap& swaps) {
  for (auto& a : annots_) a->PagesReordered(swaps);
}

void TPDFObject::SetOwner(TQuarrionCanvas* owner) {
  owner_ = owner;
  if (gradient_) gradient_->SetOwner(owner);
  for (auto& a : annots_) a->SetOwner(owner);
}

void TPDFObject::SetGradient(std::unique_ptr<TPDFGradient> gradient) {
  gradient_ = std::move(gradient);
  if (!gradient_) return;
  gradient_->SetOwner(owner_);
  gradient_->ObjectID = ObjectID;
  gradient_->PlaceGradient(*this);
}

std::unique_ptr<TPDFGradient> TPDFObject::DetachGradient() { return std::move(gradient_); }

void TPDFObject::SetObjectID(int id) {
  ObjectID = id;
  if (gradient_) gradient_->ObjectID = id;
}

void TPDFObject::AddAnnot(std::unique_ptr<TPDFAnnot> link) {
  link->Attached = true;
  link->SetOwner(owner_);
  annots_.push_back(std::move(link));
}

void TPDFObject::ClearAnnots() { annots_.clear(); }

std::unique_ptr<TPDFAnnot> TPDFObject::RemoveAnnot(std::size_t index) {
  if (index >= annots_.size()) return nullptr;
  auto link = std::move(annots_[index]);
  annots_.erase(annots_.begin() + std::ptrdiff_t(index));
  return link;
}

void TPDFObject::AppendPDFDashAndWidth(TQuarrionCanvas& canvas, std::string& out) const {
  using TKeyed = TPDFStateCache::TKeyed;
  TPDFStateCache& state = canvas.PDFState();
  // A solid line's dash is keyed 0.
  if (!DashPattern.empty()) {
    std::string dash = "[";
    double scale = std::max(1.0, LineWidth);
    for (auto p : DashPattern) {
      AppendInt(dash, std::llround(scale * p));
      dash.push_back(' ');
    }
    dash.append("] 0");
    state.AppendPDFState(out, "d", dash);
  } else if (!state.Unchanged(TKeyed::Dash, 0)) {
    state.AppendKeyed(out, TKeyed::Dash, 0, "[] 0");
  }
  AppendPDFWidthState(state, out, std::llround(LineWidth));
}

void TPDFObject::AppendSVGStroke(std::string& out) const {
  if (!DashPattern.empty()) {
    out.append("stroke-dasharray=\"");
    double scale = std::max(1.0, LineWidth);
    for (std::size_t i = 0; i < DashPattern.size(); ++i) {
      if (i) out.push_back(',');
      AppendGeneral(out, scale * DashPattern[i], 2);
    }
    out.append("\" ");
  }
  out.append("stroke-width=\"");
  AppendGeneral(out, std::max(0.1, LineWidth), 3);
  out.append("\" ");
}

void TPDFObject::AppendSVGGeometry(std::string& out, long long x, long long y) const {
  out.append("x=\"");
  AppendInt(out, x);
  out.append("\" y=\"");
  AppendInt(out, y);
  out.append("\" width=\"");
  AppendInt(out, static_cast<long long>(Right) - Left);
  out.append("\" height=\"");
  AppendInt(out, static_cast<long long>(Bottom) - Top);
}

void TPDFObject::DashedLine(Surface& surface, TPoint a, TPoint b) const {
  std::vector<std::array<TPoint, 2>> dashes;
  AppendDashes(dashes, a, b);
  surface.Lines(dashes);
}

void TPDFObject::AppendDashes(std::vector<std::array<TPoint, 2>>& dashes, TPoint a, TPoint b) const {
  double dx = b.X - a.X, dy = b.Y - a.Y;
  double length = std::sqrt(dx * dx + dy * dy);
  if (DashPattern.empty() || length <= 0) {
    dashes.push_back({a, b});
    return;
  }
  auto at = [&](double t) {
    return TPoint{a.X + int(std::trunc(t / length * dx)), a.Y + int(std::trunc(t / length * dy))};
  };
  double t = 0;
  std::size_t index = 0;
  bool down = true;
  // Each dash or gap starts where the one before ended: at(t) for the same t.
  TPoint from = a;
  while (t < length) {
    double seg = std::max(DashPattern[index] * LineWidth, 1.0);
    TPoint to;
    if (t + seg > length) {
      to = b;
      t = length + 1;
    } else {
      t += seg;
      to = at(t);
    }
    if (down) dashes.push_back({from, to});
    from = to;
    index = (index + 1) % DashPattern.size();
    down = !down;
  }
}
