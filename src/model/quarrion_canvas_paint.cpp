// Showing the current page: scale and origin, the cached page background, double
// buffering and the drawing order of master objects, page objects and selection marks.
#include <algorithm>
#include <limits>

#include "model/canvas_host.h"
#include "model/quarrion_canvas.h"
#include "model/slide_painter.h"
#include "model/surface.h"

namespace {
// The colour of the control around the page (the platform's button-face grey).
constexpr TColor kControlColour = 0xF0F0F0;
}  // namespace

void TQuarrionCanvas::ComputeScale() {
  const long long w = host_ ? host_->ClientWidth() : 0;
  const long long h = host_ ? host_->ClientHeight() : 0;
  // A page side of 0 or less gives no constraint; with neither side usable, or a control
  // without area, there is nothing to show and the zoom stays 0 (ScreenToPage copes).
  long long zoom = std::numeric_limits<long long>::max();
  if (PageWidth > 0) zoom = std::min(zoom, w * 900 / PageWidth);
  if (PageHeight > 0) zoom = std::min(zoom, h * 900 / PageHeight);
  if (w <= 0 || h <= 0 || zoom == std::numeric_limits<long long>::max() || zoom <= 0) {
    ZoomX = ZoomY = 0;
    OriginX = OriginY = 0;
    return;
  }
  ZoomX = ZoomY = int(std::min<long long>(zoom, std::numeric_limits<int>::max()));
  OriginX = int((PageWidth - w * 1000 / ZoomX) / 2);
  OriginY = int((PageHeight - h * 1000 / ZoomY) / 2);
}

void TQuarrionCanvas::Resize() {
  ClearStatic();
  Repaint();
}

void TQuarrionCanvas::Paint() {
  if (!PaintingEnabled || !host_) return;
  ComputeScale();
  const int w = host_->ClientWidth(), h = host_->ClientHeight();
  Surface* control = host_->ControlSurface();
  std::unique_ptr<Surface> offscreen;
  if (DoubleBuffered && w > 0 && h > 0) offscreen = host_->CreateOffscreen(w, h);
  secondCanvas_ = offscreen ? offscreen.get() : control;
  if (!secondCanvas_) return;

  // A cached picture taken at another control size would show the page misplaced.
  if (staticImage_ && (ZoomX <= 0 || staticImage_->Width() != w || staticImage_->Height() != h))
    ClearStatic();
  const bool hadStatic = staticImage_ != nullptr;
  // The cached picture covers the whole control, grey around the page included.
  if (!hadStatic) {
    secondCanvas_->SetBrush({kControlColour, TBrushStyle::Solid});
    secondCanvas_->FillRect({0, 0, w, h});
  }
  if (ZoomX > 0) {
    if (hadStatic)
      secondCanvas_->Draw(0, 0, *staticImage_);
    else
      TSlidePainter(*this).DrawBackground(true);
    if (OnPaint) OnPaint();
    if (!hadStatic) staticImage_ = std::make_unique<TBitmap>(secondCanvas_->Capture());
    DrawOn(*this, true, true, true, true);
  }
  if (offscreen) {
    host_->CopyToControl(*offscreen);
    // The off-screen image goes away here; objects draw on the control from now on.
    secondCanvas_ = control;
  }
}

void TQuarrionCanvas::DrawOn(TQuarrionCanvas& target, bool showSelected, bool showUnselected,
                             bool showObjects, bool showMaster) {
  if (pages_.empty() || page_ < 0 || page_ >= PageCount()) return;
  // Objects draw through `target` (its surface, scale and draw context). Drawing for another
  // control (the properties preview) leaves this work area's surface as it was, so that it
  // never keeps a pointer to the preview's short-lived off-screen image.
  TPageParts parts;
  parts.Background = false;
  parts.Master = showMaster && target.page_ >= 0 && target.page_ < target.PageCount() &&
                 target.CurrentPage().UseMaster;
  parts.Objects = showObjects;
  parts.Unselected = showUnselected;
  parts.Selected = showSelected;
  parts.SelectionMarks = true;
  TSlidePainter(target).DrawObjects(*this, page_, parts);
  if (OnRepaint) OnRepaint();
}
