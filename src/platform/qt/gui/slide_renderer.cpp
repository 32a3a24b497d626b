#include "platform/qt/gui/slide_renderer.h"

#include <limits>

#include "model/quarrion_canvas.h"
#include "objects/annot.h"
#include "objects/gradient.h"
#include "objects/rectangle.h"
#include "platform/qt/gui/qt_surface.h"

namespace {
// Puts the canvas's display state back however the drawing ends.
class DisplayStateGuard {
 public:
  explicit DisplayStateGuard(TQuarrionCanvas& c)
      : c_(c), page_(c.Page()), zoomX_(c.ZoomX), zoomY_(c.ZoomY), originX_(c.OriginX),
        originY_(c.OriginY), surface_(c.SecondCanvas()) {}
  ~DisplayStateGuard() {
    c_.SetPageIndexQuietly(page_);
    c_.ZoomX = zoomX_;
    c_.ZoomY = zoomY_;
    c_.OriginX = originX_;
    c_.OriginY = originY_;
    c_.SetSecondCanvas(surface_);
  }
  DisplayStateGuard(const DisplayStateGuard&) = delete;
  DisplayStateGuard& operator=(const DisplayStateGuard&) = delete;

 private:
  TQuarrionCanvas& c_;
  int page_, zoomX_, zoomY_, originX_, originY_;
  Surface* surface_;
};

void DrawWithLinks(TPDFObject& obj, TQuarrionCanvas& canvas) {
  obj.Draw(canvas);
  for (auto& link : obj.Annots()) link->Draw(canvas);
}

// The slide's background: the document colour, or its gradient, which is only lent.
void DrawBackground(TQuarrionCanvas& canvas) {
  TPDFRectangle back(0, 0, canvas.PageWidth, canvas.PageHeight);
  back.Outline = false;
  back.Shadow = false;
  back.FillColour = canvas.DocumentInfo.Background;
  TDocumentInfo& info = canvas.DocumentInfo;
  if (!info.BackgroundIsGradient || !info.BackgroundGradient) {
    back.Draw(canvas);
    return;
  }
  struct Loan {
    TPDFRectangle& back;
    TDocumentInfo& info;
    TQuarrionCanvas* owner;
    int id;
    ~Loan() {
      info.BackgroundGradient = back.DetachGradient();
      info.BackgroundGradient->SetOwner(owner);
      info.BackgroundGradient->ObjectID = id;
    }
  } loan{back, info, info.BackgroundGradient->Owner(), info.BackgroundGradient->ObjectID};
  back.SetGradient(std::move(info.BackgroundGradient));
  back.Draw(canvas);
}
}  // namespace

QImage RenderSlideToImage(TQuarrionCanvas& canvas, int page, int width) {
  if (page < 0 || page >= canvas.PageCount() || width < 1 || canvas.PageWidth <= 0 ||
      canvas.PageHeight <= 0)
    return QImage();
  // The zoom rounds up so that the page covers every column of the picture.
  const long long zoom = (static_cast<long long>(width) * 1000 + canvas.PageWidth - 1) / canvas.PageWidth;
  const long long height = static_cast<long long>(canvas.PageHeight) * zoom / 1000;
  if (zoom > std::numeric_limits<int>::max() || height < 1 || height > 32767) return QImage();

  QImage image(width, int(height), QImage::Format_RGB32);
  image.fill(Qt::white);
  QtSurface surface(&image);
  {
    DisplayStateGuard guard(canvas);
    canvas.SetPageIndexQuietly(page);
    canvas.ZoomX = canvas.ZoomY = int(zoom);
    canvas.OriginX = canvas.OriginY = 0;
    canvas.SetSecondCanvas(&surface);
    DrawBackground(canvas);
    const int master = canvas.MasterShownBehind(page);
    if (master >= 0)
      for (auto& obj : canvas.Pages()[std::size_t(master)].Objects)
        if (!obj->Deleted) DrawWithLinks(*obj, canvas);
    for (auto& obj : canvas.Pages()[std::size_t(page)].Objects)
      if (!obj->Deleted) DrawWithLinks(*obj, canvas);
  }
  surface.Flush();
  return image;
}
