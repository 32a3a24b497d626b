#pragma once

#include <QImage>

class TQuarrionCanvas;

// A picture of one page as a slide shows it: the background, the master page's objects
// when the page uses one, then the page's own objects with their links; no selection
// marks. `width` pixels wide, as high as the page's proportions give. The document is
// left as it was (current page, selection, scale). A null image for a page outside the
// document, a width below 1 or a page without size.
QImage RenderSlideToImage(TQuarrionCanvas& canvas, int page, int width);
