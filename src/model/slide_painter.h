#pragma once

class TQuarrionCanvas;
class TPDFObject;

// Which parts of a page are drawn.
struct TPageParts {
  bool Background = true;      // the document's background colour or gradient
  bool PageFrame = false;      // around it the work area's hairline outline and grey shadow
  bool Master = true;          // the master page's objects, when the page shows one
  bool Objects = true;         // the page's own objects (false: the master's only)
  bool Unselected = true;      // objects that are not selected
  bool Selected = true;        // selected objects (only the current page has a selection)
  bool SelectionMarks = false; // frames and handles of the selected objects
};

// Draws a page of a document: the background, the master page's objects, the page's own
// objects each followed by its attached links, and the selection marks on request. The one
// routine behind the work area, the properties preview, slide pictures and the slide show.
//
// Everything lands on the target canvas: its surface (SecondCanvas), scale and origin, and
// its DrawContext, which gives the mode, the background's document and the page the text
// tags name. The document drawn from is not changed: not its current page, scale or
// selection. In show mode the objects leave out what only the editor sees (guides, link
// frames) and no selection marks are drawn.
class TSlidePainter {
 public:
  explicit TSlidePainter(TQuarrionCanvas& target) : target_(target) {}

  // The whole page: background (when asked), then the objects.
  void DrawPage(TQuarrionCanvas& source, int page, const TPageParts& parts);
  // The background of the target's context document over the target's page size.
  void DrawBackground(bool framed);
  // The objects of `source`'s page `page` (and of its master), without the background.
  void DrawObjects(TQuarrionCanvas& source, int page, const TPageParts& parts);

 private:
  void DrawWithLinks(TPDFObject& obj);
  void DrawSelectionMarks(TQuarrionCanvas& source);

  TQuarrionCanvas& target_;
};
