#pragma once

class TQuarrionCanvas;

// What a page is drawn for: the editing view, with guides, link frames and selection marks,
// or what the audience sees.
enum class TDrawMode { WorkArea, Show };

// What the objects drawn on a canvas take from somewhere other than that canvas's surface
// and scale: the mode, and the document (its background) and page (the title and number the
// text tags show) they are drawn for. The properties preview points it at the main work
// area whose page it shows copies of; a slide picture at the document and slide it draws.
struct TDrawContext {
  TDrawMode Mode = TDrawMode::WorkArea;
  // Not owned; must outlive the canvas that points at it. Nothing: the canvas itself.
  const TQuarrionCanvas* Document = nullptr;
  // A page index of Document; below 0: Document's current page.
  int Page = -1;
};
