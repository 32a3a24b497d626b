#pragma once

#include <QImage>

#include "model/draw_context.h"

class TQuarrionCanvas;

// A picture of one page: the background, the master page's objects when the page uses one,
// then the page's own objects with their links; no selection marks. In show mode what the
// audience sees; in work-area mode with the guides and link frames of the editor.
// `width` pixels wide, as high as the page's proportions give. The document is left as it
// was (current page, selection, scale, surface). A null image for a page outside the
// document, a width below 1 or a page without size.
QImage RenderSlideToImage(TQuarrionCanvas& document, int page, int width, TDrawMode mode);
