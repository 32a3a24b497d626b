// Mouse editing of the work area: picking, moving and resizing by the handles, the
// rubber band, the style dropper and the double click. Drag feedback is drawn with the
// inverting pen over what the control already shows, never by repainting the page.
#include <algorithm>
#include <cmath>

#include "model/canvas_host.h"
#include "model/quarrion_canvas.h"
#include "model/surface.h"

namespace {
constexpr int kRubberBand = 0x90;

bool ValidIndex(const TPDFObjects& objects, int index) {
  return index >= 0 && index < int(objects.size()) && !objects[std::size_t(index)]->Deleted;
}

// The screen rectangle between two page points, corners ordered, so that drawing the
// same band twice with the inverting pen always covers the same pixels.
TRect BandRect(const TQuarrionCanvas& canvas, int x1, int y1, int x2, int y2) {
  TPoint a = canvas.PageToScreen(x1, y1), b = canvas.PageToScreen(x2, y2);
  return {std::min(a.X, b.X), std::min(a.Y, b.Y), std::max(a.X, b.X), std::max(a.Y, b.Y)};
}

TRect SnappedBounds(const TQuarrionCanvas& canvas, const TPDFObject& obj) {
  return {canvas.Snap(obj.Left), canvas.Snap(obj.Top), canvas.Snap(obj.Right),
          canvas.Snap(obj.Bottom)};
}
}  // namespace

bool TQuarrionCanvas::OutsideControl(int x, int y) const {
  if (!host_) return false;
  return x < 0 || x > host_->ClientWidth() || y < 0 || y > host_->ClientHeight();
}

void TQuarrionCanvas::DblClick() {
  if (OnDblClick) OnDblClick();
  skipNextDown_ = true;
}

void TQuarrionCanvas::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
  auto fireDown = [&] {
    if (OnMouseDown) OnMouseDown(button, shift, x, y);
  };
  // Without a page, or before the control has a usable size, a press edits nothing.
  if (skipNextDown_ || page_ < 0 || page_ >= PageCount() || ZoomX <= 0 || ZoomY <= 0) {
    skipNextDown_ = false;
    fireDown();
    return;
  }
  TPoint down = ScreenToPage(x, y);
  downX_ = down.X;
  downY_ = down.Y;
  lastX_ = lastY_ = 0;
  switch (tool_) {
    case TTool::tSelect: {
      bool changed = SelectDown(button, shift);
      fireDown();
      if (changed) Repaint();
      return;
    }
    case TTool::tDropper:
      if (!DropperDown(button)) return;
      fireDown();
      return;
    default:
      fireDown();
      return;
  }
}

// Returns whether the selection changed.
bool TQuarrionCanvas::SelectDown(TMouseButton button, TShiftState shift) {
  auto& objects = CurrentPage().Objects;
  // The selection is searched first, so a selected object behind another one can still
  // be dragged by its handles.
  int s = -1;
  for (std::size_t pos = 0; pos < selection_.size(); ++pos) {
    int index = selection_[pos];
    if (ValidIndex(objects, index) && objects[std::size_t(index)]->HitTest(downX_, downY_) != 0) {
      s = int(pos);
      break;
    }
  }
  bool changed = false;
  if (s < 0 || shift.Shift) {
    if (!shift.Shift && !selection_.empty()) {
      selection_.clear();
      changed = true;
      FireSelectionChanged();
    }
    for (int i = int(objects.size()) - 1; i >= 0; --i) {
      const TPDFObject& obj = *objects[std::size_t(i)];
      if (obj.Locked || obj.Deleted || obj.HitTest(downX_, downY_) == 0) continue;
      if (IsSelected(i)) {
        RemoveFromSelection(i);
      } else {
        AddToSelection(i);
        if (s < 0) s = int(selection_.size()) - 1;
      }
      changed = true;
      break;
    }
  }
  if (button != TMouseButton::Left) return changed;

  if (s >= 0 && !shift.Shift) {
    const TPDFObject& obj = *objects[std::size_t(selection_[std::size_t(s)])];
    dragMode_ = obj.HitTest(downX_, downY_);
    dragIndex_ = s;
    int anchorX = (dragMode_ & Edge::Left) ? obj.Left : obj.Right;
    int anchorY = (dragMode_ & Edge::Top) ? obj.Top : obj.Bottom;
    grabX_ = downX_ - anchorX;
    grabY_ = downY_ - anchorY;
  } else {
    if (!shift.Shift) selection_.clear();
    dragMode_ = kRubberBand;
    dragIndex_ = int(selection_.size());
    lastX_ = downX_;
    lastY_ = downY_;
  }
  return changed;
}

// Right button: pick up the style of the object under the pointer. Left button: give it
// the picked style, as one undo step. Returns false when no object is under the pointer.
bool TQuarrionCanvas::DropperDown(TMouseButton button) {
  auto& objects = CurrentPage().Objects;
  int hit = -1;
  for (int i = int(objects.size()) - 1; i >= 0 && hit < 0; --i)
    if (!objects[std::size_t(i)]->Deleted && objects[std::size_t(i)]->HitTest(downX_, downY_) != 0)
      hit = i;
  if (hit < 0) return false;
  TPDFObject& obj = *objects[std::size_t(hit)];
  if (button == TMouseButton::Right) {
    dropperStyle_ = obj.Clone();
  } else if (button == TMouseButton::Left && dropperStyle_ && dropperStyle_->AcceptsStyleOf(obj)) {
    TPDFSelection kept = selection_;
    selection_.assign(1, hit);
    StartUndo();
    dropperStyle_->AssignAppearanceTo(obj);
    EndUndo();
    selection_ = std::move(kept);
    Repaint();
  }
  return true;
}

void TQuarrionCanvas::MouseMove(TShiftState shift, int x, int y) {
  if (tool_ != TTool::tSelect || dragMode_ == 0 || page_ < 0 || page_ >= PageCount()) return;
  if (host_) secondCanvas_ = host_->ControlSurface();
  // Outside the control the objects go back where they were, so no movement is seen.
  TPoint p = OutsideControl(x, y) ? TPoint{downX_, downY_} : ScreenToPage(x, y);
  if (shift.Ctrl && selection_.size() == 1 && dragMode_ != Edge::All && dragMode_ != kRubberBand)
    p = ProportionalPoint(p);
  if (dragMode_ == kRubberBand)
    RubberBandMove(p);
  else
    DragMove(p.X - downX_, p.Y - downY_);
}

// Keeps the corner opposite the dragged one fixed and snaps the drag direction to the
// horizontal, the vertical or a 45-degree diagonal.
TPoint TQuarrionCanvas::ProportionalPoint(TPoint p) const {
  const auto& objects = pages_[std::size_t(page_)].Objects;
  if (!ValidIndex(objects, selection_[0])) return p;
  const TPDFObject& obj = *objects[std::size_t(selection_[0])];
  const long long fixedX = (dragMode_ & Edge::Left) ? obj.Right : obj.Left;
  const long long fixedY = (dragMode_ & Edge::Top) ? obj.Bottom : obj.Top;
  long long dx = p.X - fixedX, dy = p.Y - fixedY;
  if (dx != 0) {
    double r = double(dy) / double(dx);
    if (std::abs(r) > 2.4142)
      dx = 0;
    else if (std::abs(r) < 0.4142)
      dy = 0;
    else
      dx = r > 0 ? dy : -dy;
  }
  return {int(fixedX + dx + grabX_), int(fixedY + dy + grabY_)};
}

void TQuarrionCanvas::RubberBandMove(TPoint p) {
  auto drawBand = [&](Surface& s) {
    s.SetPen({0, 1, TPenStyle::Dotted, TPenMode::Not});
    s.SetBrush({0, TBrushStyle::Clear});
    s.Rectangle(BandRect(*this, downX_, downY_, lastX_, lastY_));
  };
  if (secondCanvas_ && (lastX_ != downX_ || lastY_ != downY_)) drawBand(*secondCanvas_);
  lastX_ = p.X;
  lastY_ = p.Y;
  const int x1 = std::min(downX_, lastX_), x2 = std::max(downX_, lastX_);
  const int y1 = std::min(downY_, lastY_), y2 = std::max(downY_, lastY_);

  auto& objects = CurrentPage().Objects;
  TPDFSelection before = selection_;
  selection_.resize(std::min<std::size_t>(selection_.size(), std::size_t(std::max(dragIndex_, 0))));
  std::vector<char> selected(objects.size(), 0);
  for (int index : selection_)
    if (index >= 0 && index < int(objects.size())) selected[std::size_t(index)] = 1;
  for (std::size_t i = 0; i < objects.size(); ++i) {
    const TPDFObject& obj = *objects[i];
    if (selected[i] || obj.Deleted) continue;
    if (x1 < obj.Left && obj.Right < x2 && y1 < obj.Top && obj.Bottom < y2) selection_.push_back(int(i));
  }
  if (selection_ != before) {
    // The listeners (enabled commands) must hear of a selection made by the band too.
    FireSelectionChanged();
    Repaint();
    if (host_) secondCanvas_ = host_->ControlSurface();
  }
  if (secondCanvas_) drawBand(*secondCanvas_);
}

// Moves or resizes every selected object by the same offset. A feedback frame, snapped
// to the grid, is on the screen exactly while the offset is not zero, so every frame
// drawn is erased by the next step.
void TQuarrionCanvas::DragMove(int dx, int dy) {
  auto& objects = CurrentPage().Objects;
  const bool frameShown = lastX_ != 0 || lastY_ != 0;
  const bool frameWanted = dx != 0 || dy != 0;
  for (int index : selection_) {
    if (!ValidIndex(objects, index)) continue;
    TPDFObject& obj = *objects[std::size_t(index)];
    if (frameShown) obj.DrawFrame(*this, SnappedBounds(*this, obj));
    obj.MoveEdges(dragMode_, dx - lastX_, dy - lastY_);
    if (frameWanted) obj.DrawFrame(*this, SnappedBounds(*this, obj));
  }
  lastX_ = dx;
  lastY_ = dy;
}

void TQuarrionCanvas::MouseUp(TMouseButton, TShiftState, int x, int y) {
  if (x == -1 && y == -1) return;
  if (OutsideControl(x, y) && OnDropOutside) OnDropOutside(x, y);
  TPoint p = ScreenToPage(x, y);
  const int dx = p.X - downX_, dy = p.Y - downY_;
  if (tool_ != TTool::tSelect) return;
  if (dragMode_ == kRubberBand && (dx != 0 || dy != 0)) {
    Repaint();
    dragMode_ = 0;
  }
  if (dragMode_ != 0 && page_ >= 0 && page_ < PageCount()) {
    auto& objects = CurrentPage().Objects;
    // A listener may change the selection; the objects of this drag are fixed now.
    const TPDFSelection dragged = selection_;
    for (int index : dragged) {
      if (!ValidIndex(objects, index)) continue;
      TPDFObject& obj = *objects[std::size_t(index)];
      obj.Normalise();
      if ((dx != 0 || dy != 0) && OnObjectChanged) OnObjectChanged(obj);
    }
  }
  lastX_ = lastY_ = 0;
  dragMode_ = 0;
}
