#pragma once

#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "base/pdf_state_cache.h"
#include "model/bitmap.h"
#include "model/document_info.h"
#include "model/draw_context.h"
#include "base/geometry.h"
#include "model/page.h"
#include "model/pdf_object.h"
#include "model/undo_stack.h"
#include "model/resource_manager.h"

class CanvasHost;
class Surface;

enum class TTool { tNone, tSelect, tDropper, tSpecial };
enum class TMouseButton { Left, Right, Middle };

// Modifier keys held during a mouse event.
struct TShiftState {
  bool Shift = false;
  bool Ctrl = false;
  bool Alt = false;
};

// Sections reported by the writers' progress events.
enum class TPDFSection { Header = 0, Trailer = 1, XRef = 2, Resources = 3, Fonts = 4, Outline = 5, Page = 6 };

// The work area: it holds the document (pages, their objects, the selection, the undo
// history and the output options), shows the current page and edits it with the mouse.
// A plain class: the GUI's widget owns one and forwards paint, size and mouse to it.
class TQuarrionCanvas {
 public:
  explicit TQuarrionCanvas(CanvasHost* host = nullptr);
  ~TQuarrionCanvas();
  TQuarrionCanvas(const TQuarrionCanvas&) = delete;
  TQuarrionCanvas& operator=(const TQuarrionCanvas&) = delete;

  CanvasHost* Host() const { return host_; }
  void SetHost(CanvasHost* host) { host_ = host; }

  // ---- Pages -------------------------------------------------------------------------
  // The document file stores the page count and the current page in one byte each.
  static constexpr int MaxPages = 255;

  int Page() const { return page_; }
  void SetPage(int value);
  int PageCount() const { return int(pages_.size()); }
  void SetPageCount(int value);
  int AbsolutePage() const { return GetAbsolutePage(page_); }
  std::vector<TPage>& Pages() { return pages_; }
  const std::vector<TPage>& Pages() const { return pages_; }
  TPage& CurrentPage() { return pages_[std::size_t(page_)]; }

  // False, changing nothing, when the document already has MaxPages pages.
  bool AddPage(int index, bool useMaster, bool isMaster);
  void RemovePage(int index);
  // The number of non-master pages in 0..page, or -1 outside the document.
  int GetAbsolutePage(int page) const;
  // The nearest master page at or before `page`, or -1.
  int MasterPageOf(int page) const;
  // The master page shown behind `page`, or -1 when it shows none.
  int MasterShownBehind(int page) const;
  int SlideCount() const;
  // The master pages before `page`: none for a page before the first, all of them for a
  // page past the last.
  int MastersBefore(int page) const;
  // While one lives, MastersBefore and SlideCount look their answers up in a table made
  // when it was made rather than walk the pages: an export, during which the pages stay
  // as they are, asks for each of thousands of links.
  class THeldPageCounts {
   public:
    explicit THeldPageCounts(TQuarrionCanvas& canvas);
    ~THeldPageCounts();
    THeldPageCounts(const THeldPageCounts&) = delete;
    THeldPageCounts& operator=(const THeldPageCounts&) = delete;

   private:
    TQuarrionCanvas& canvas_;
    std::vector<int> previous_;
  };
  std::string PageLabel(int page, int offset, int style) const;
  void BroadcastPagesShifted(int delta, int fromPage);
  void BroadcastPagesReordered(const TMultiSwap& swaps);
  // Rearranges the pages: newOrder[i] is the old index of the page that goes to position
  // i. Clears the undo history, renumbers link targets from old to new slide numbers and
  // keeps the current page current at its new place. False, changing nothing, when
  // newOrder is not a permutation of the page indexes.
  bool ReorderPages(const std::vector<int>& newOrder);
  void Clear();
  // Replaces this document by `loaded` (pages, page size, options, document info,
  // resources, object IDs, current page); this canvas keeps its host, events and display
  // settings. `loaded` is left as a new one-page document (quarrion_canvas_document.cpp).
  void TakeDocumentFrom(TQuarrionCanvas& loaded);

  // ---- Objects -----------------------------------------------------------------------
  TPDFObject* Add(std::unique_ptr<TPDFObject> obj);
  // Returns the object when it was taken out for good (undo off), else nothing.
  std::unique_ptr<TPDFObject> Delete(int page, int index);
  void DeleteSelected();
  std::unique_ptr<TPDFObject> RemoveObject(int page, int index);
  int GetObjectIndex(const TPDFObject* obj, int page) const;

  // ---- Selection ---------------------------------------------------------------------
  const TPDFSelection& Selection() const { return selection_; }
  bool IsSelected(int index) const;
  void AddToSelection(int index);
  void RemoveFromSelection(int index);
  void MoveSelection(int dx, int dy);
  // Empties the selection without an event.
  void ClearSelectionQuietly() { selection_.clear(); }

  // ---- Back-to-front order -----------------------------------------------------------
  void BringToFront(int page, int index);
  void MoveForward(int page, int index);
  void MoveBack(int page, int index);
  void SendToBack(int page, int index);

  // ---- Undo --------------------------------------------------------------------------
  void StartUndo();
  void EndUndo();
  void CancelUndo() { pending_.Page = -1; }
  void ClearUndo();
  bool UndoPossible() const { return undo_.Position >= 1; }
  bool RedoPossible() const { return int(undo_.Items.size()) > undo_.Position; }
  void Undo();
  void Redo();
  const TUndoStack& UndoHistory() const { return undo_; }

  // ---- Display and grid --------------------------------------------------------------
  TPoint PageToScreen(int x, int y) const;
  TPoint ScreenToPage(int x, int y) const;
  int Snap(int v) const;
  TPoint SnapCoordsToGrid(TPoint p) const;
  Surface* SecondCanvas() const { return secondCanvas_; }
  void SetSecondCanvas(Surface* s) { secondCanvas_ = s; }
  void Repaint();
  TTool Tool() const { return tool_; }
  void SetTool(TTool tool);
  void LatchTool();
  void UnlatchTool();
  // The cached page background; none until the first paint.
  const TBitmap* StaticImage() const { return staticImage_.get(); }
  void ClearStatic() { staticImage_.reset(); }

  // ---- Painting (quarrion_canvas_paint.cpp) -------------------------------------------
  // Paints the control: scale and origin, background (cached), objects, selection marks.
  void Paint();
  void Resize();
  // Draws this document's current page onto `target`'s surface with `target`'s scale and
  // draw context (model/slide_painter.h does the drawing).
  void DrawOn(TQuarrionCanvas& target, bool showSelected, bool showUnselected, bool showObjects,
              bool showMaster);
  // The document whose background drawing uses and whose page the text tags name, and that
  // page (see DrawContext).
  const TQuarrionCanvas& ContextDocument() const {
    return DrawContext.Document ? *DrawContext.Document : *this;
  }
  int ContextPage() const {
    return DrawContext.Page >= 0 ? DrawContext.Page : ContextDocument().Page();
  }
  // Computes ZoomX/ZoomY and OriginX/OriginY for the host's client size.
  void ComputeScale();

  // ---- Mouse (quarrion_canvas_mouse.cpp) ---------------------------------------------
  void MouseDown(TMouseButton button, TShiftState shift, int x, int y);
  void MouseMove(TShiftState shift, int x, int y);
  void MouseUp(TMouseButton button, TShiftState shift, int x, int y);
  void DblClick();
  const TPDFObject* DropperStyle() const { return dropperStyle_.get(); }

  // ---- Writers (export/) -------------------------------------------------------------
  // The whole document as a PDF slide show (export/pdf_writer.cpp).
  void GeneratePDF(std::string& output);
  // The whole document as an SVG slide show; pictures to be written beside it are added
  // to `sideFiles` (export/svg_writer.cpp).
  void GenerateSVG(std::string& output, TResources& sideFiles);
  // The annotation list of a page object ("/Annots [...]\n"), or "".
  std::string GetPageAttributes(int page);

  // ---- Writers' shared state ---------------------------------------------------------
  std::string SetPDFState(std::string_view op, std::string_view value) {
    return pdfState_.SetPDFState(op, value);
  }
  void AppendPDFState(std::string& out, std::string_view op, std::string_view value) {
    pdfState_.AppendPDFState(out, op, value);
  }
  std::string BeginPDFText() { return pdfState_.BeginPDFText(); }
  std::string EndPDFText() { return pdfState_.EndPDFText(); }
  TPDFStateCache& PDFState() { return pdfState_; }
  // Set by the PDF writer while other threads can finish resource bodies for it
  // (TPDFResource::Finish).
  bool DeferResourceBodies = false;
  // Sets the current page index without any notification (the writers walk the pages).
  void SetPageIndexQuietly(int page) { page_ = page; }

  // ---- Misc --------------------------------------------------------------------------
  void Log(const std::string& text);
  static int FindAttribute(const TResources& attributes, std::string_view name, bool caseSensitive);
  static std::string GetAttribute(const TResources& attributes, std::string_view name,
                                  bool caseSensitive);

  // ---- Published values --------------------------------------------------------------
  int NextObjectID = 0;
  int PageWidth = 432;
  int PageHeight = 324;
  bool FullScreen = true;
  bool ShowOutlines = true;
  bool Compressed = false;
  // Threads a PDF export shares its compression with: 0 one per core, 1 none but the
  // caller's. The file is the same whatever the number.
  int ExportThreads = 0;
  bool Undoable = false;
  bool EventsEnabled = true;
  bool PaintingEnabled = true;
  bool ShowHighlight = true;
  bool DoubleBuffered = false;
  bool SnapToGrid = false;
  int GridSize = 0;
  int ZoomX = 1;
  int ZoomY = 1;
  int OriginX = 0;
  int OriginY = 0;
  TDocumentInfo DocumentInfo;
  TResourceManager Resources;  // the document's embedded pictures and saved background
  // What the objects drawn on this canvas are drawn for (model/draw_context.h).
  TDrawContext DrawContext;

  // ---- Events (fired only when set) --------------------------------------------------
  std::function<void()> OnSelectionChanged;
  std::function<void()> OnPageChanged;
  // The object leaves its page for good; it is destroyed after the listener returns
  // unless the caller of RemoveObject keeps it.
  std::function<void(TPDFObject&)> OnDeleteObject;
  std::function<void()> OnUndoChanged;
  std::function<void(TPDFObject&)> OnObjectChanged;
  std::function<void(int x, int y)> OnDropOutside;
  std::function<void()> OnRepaint;
  std::function<void(TPDFSection section, int code)> OnWritingSection;
  std::function<void(TPDFSection section, int code)> OnWriteSection;
  std::function<void(const std::string&)> OnLog;
  // The control's own events, passed on after the work area has handled the input.
  std::function<void()> OnPaint;
  std::function<void(TMouseButton button, TShiftState shift, int x, int y)> OnMouseDown;
  std::function<void()> OnDblClick;

 private:
  void FireSelectionChanged();
  // Empties the undo history (ClearUndo without removing the objects marked deleted).
  void ForgetUndoSteps();
  void RenumberUndo(int page, int oldIndex, int newIndex);
  void MoveObject(int page, int from, int to);
  // Mouse helpers (quarrion_canvas_mouse.cpp).
  bool OutsideControl(int x, int y) const;
  bool SelectDown(TMouseButton button, TShiftState shift);
  bool DropperDown(TMouseButton button);
  TPoint ProportionalPoint(TPoint p) const;
  void RubberBandMove(TPoint p);
  void DragMove(int dx, int dy);

  CanvasHost* host_ = nullptr;
  std::vector<TPage> pages_;
  // Master pages before each page and in all, while THeldPageCounts holds them.
  std::vector<int> heldMasters_;
  int page_ = 0;
  TPDFSelection selection_;
  TUndoStack undo_;
  TUndoItem pending_;
  TPDFStateCache pdfState_;
  Surface* secondCanvas_ = nullptr;
  std::unique_ptr<TBitmap> staticImage_;
  TTool tool_ = TTool::tSelect;
  TTool latchedTool_ = TTool::tNone;

  // Drag state of the mouse handling.
  int dragMode_ = 0;  // edge set being dragged, 0x90 for the rubber band, 0 = none
  int downX_ = 0, downY_ = 0;
  int lastX_ = 0, lastY_ = 0;
  int grabX_ = 0, grabY_ = 0;
  int dragIndex_ = 0;
  bool skipNextDown_ = false;
  std::unique_ptr<TPDFObject> dropperStyle_;
};
