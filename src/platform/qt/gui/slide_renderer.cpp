#include "platform/qt/gui/slide_renderer.h"

#include <limits>

#include "model/quarrion_canvas.h"
#include "model/slide_painter.h"
#include "platform/qt/gui/qt_surface.h"

QImage RenderSlideToImage(TQuarrionCanvas& document, int page, int width, TDrawMode mode) {
  if (page < 0 || page >= document.PageCount() || width < 1 || document.PageWidth <= 0 ||
      document.PageHeight <= 0)
    return QImage();
  // The zoom rounds up so that the page covers every column of the picture.
  const long long zoom = (static_cast<long long>(width) * 1000 + document.PageWidth - 1) / document.PageWidth;
  const long long height = static_cast<long long>(document.PageHeight) * zoom / 1000;
  if (zoom > std::numeric_limits<int>::max() || height < 1 || height > 32767) return QImage();

  QImage image(width, int(height), QImage::Format_RGB32);
  image.fill(Qt::white);
  QtSurface surface(&image);
  {
    // The picture's own view of the document: its scale, its surface, and the document
    // and page it draws for, so the document's display state is never borrowed.
    TQuarrionCanvas view;
    view.PageWidth = document.PageWidth;
    view.PageHeight = document.PageHeight;
    view.ZoomX = view.ZoomY = int(zoom);
    view.SetSecondCanvas(&surface);
    view.DrawContext = {mode, &document, page};
    TSlidePainter(view).DrawPage(document, page, TPageParts{});
  }
  surface.Flush();
  return image;
}
