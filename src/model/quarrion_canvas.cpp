// Pages, page numbering and the document-wide operations of the work area.
#include "model/quarrion_canvas.h"

#include <algorithm>
#include <cctype>

#include "model/canvas_host.h"

TQuarrionCanvas::TQuarrionCanvas(CanvasHost* host) : host_(host) {
  AddPage(0, true, false);
}

TQuarrionCanvas::~TQuarrionCanvas() = default;

void TQuarrionCanvas::FireSelectionChanged() {
  if (OnSelectionChanged) OnSelectionChanged();
}

namespace {
TPage NewPage(bool useMaster, bool isMaster) {
  TPage page;
  page.IsMaster = isMaster;
  page.UseMaster = useMaster;
  page.Title = "New Slide";
  page.MinorEntry = page.Title;
  return page;
}
}  // namespace

void TQuarrionCanvas::SetPage(int value) {
  page_ = value;
  selection_.clear();
  if (EventsEnabled) {
    if (OnPageChanged) OnPageChanged();
    FireSelectionChanged();
  }
}

void TQuarrionCanvas::SetPageCount(int value) {
  EventsEnabled = false;
  value = std::clamp(value, 0, MaxPages);
  if (value > PageCount()) {
    // What AddPage does for each new last page, done once: a history walk per page made
    // growing a document quadratic in its pages.
    const bool wasUndoable = Undoable;
    Undoable = false;
    ClearUndo();
    pages_.reserve(std::size_t(value));
    while (PageCount() < value) pages_.push_back(NewPage(true, false));
    SetPage(value - 1);
    Undoable = wasUndoable;
  } else {
    for (int i = PageCount() - 1; i >= value; --i) RemovePage(i);
  }
  EventsEnabled = true;
}

bool TQuarrionCanvas::AddPage(int index, bool useMaster, bool isMaster) {
  if (PageCount() >= MaxPages) return false;
  bool wasUndoable = Undoable;
  Undoable = false;
  ClearUndo();
  int newCount = PageCount() + 1;
  if (index >= newCount) index = newCount - 1;
  if (index < 0) index = 0;
  selection_.clear();
  if (EventsEnabled) FireSelectionChanged();
  pages_.insert(pages_.begin() + index, NewPage(useMaster, isMaster));
  SetPage(index);
  Undoable = wasUndoable;
  return true;
}

void TQuarrionCanvas::RemovePage(int index) {
  bool wasUndoable = Undoable;
  Undoable = false;
  ClearUndo();
  if (index < 0 || index >= PageCount()) {
    Undoable = wasUndoable;
    return;
  }
  for (int i = int(pages_[index].Objects.size()) - 1; i >= 0; --i) Delete(index, i);
  pages_.erase(pages_.begin() + index);
  for (int p = index; p < PageCount(); ++p)
    for (auto& obj : pages_[p].Objects) --obj->PageIndex;
  int old = page_;
  SetPage(old < index || old < 1 ? old : old - 1);
  Undoable = wasUndoable;
  FireSelectionChanged();
}

int TQuarrionCanvas::GetAbsolutePage(int page) const {
  if (page < 0 || page >= PageCount()) return -1;
  int n = 0;
  for (int i = 0; i <= page; ++i)
    if (!pages_[i].IsMaster) ++n;
  return n;
}

int TQuarrionCanvas::MasterPageOf(int page) const {
  for (int m = std::min(page, PageCount() - 1); m >= 0; --m)
    if (pages_[m].IsMaster) return m;
  return -1;
}

int TQuarrionCanvas::MasterShownBehind(int page) const {
  if (page < 0 || page >= PageCount()) return -1;
  const TPage& p = pages_[page];
  if (!p.UseMaster || p.IsMaster) return -1;
  return MasterPageOf(page);
}

int TQuarrionCanvas::SlideCount() const { return PageCount() - MastersBefore(PageCount()); }

int TQuarrionCanvas::MastersBefore(int page) const {
  page = std::clamp(page, 0, PageCount());
  // The table is trusted only while it still fits the pages.
  if (heldMasters_.size() == pages_.size() + 1) return heldMasters_[std::size_t(page)];
  return int(std::count_if(pages_.begin(), pages_.begin() + page, [](const TPage& p) { return p.IsMaster; }));
}

TQuarrionCanvas::THeldPageCounts::THeldPageCounts(TQuarrionCanvas& canvas)
    : canvas_(canvas), previous_(std::move(canvas.heldMasters_)) {
  std::vector<int>& held = canvas.heldMasters_;
  held.assign(1, 0);
  for (const TPage& p : canvas.pages_) held.push_back(held.back() + (p.IsMaster ? 1 : 0));
}

TQuarrionCanvas::THeldPageCounts::~THeldPageCounts() { canvas_.heldMasters_ = std::move(previous_); }

namespace {
std::string Roman(int n, bool upper) {
  static const struct {
    int value;
    const char* text;
    bool repeat;
  } kSteps[] = {{1000, "M", true}, {900, "CM", false}, {500, "D", false}, {400, "CD", false},
                {100, "C", true},  {90, "XC", false},  {50, "L", false},  {40, "XL", false},
                {10, "X", true},   {9, "IX", false},   {5, "V", false},   {4, "IV", false},
                {1, "I", true}};
  std::string s;
  for (const auto& step : kSteps) {
    while (n >= step.value) {
      s += step.text;
      n -= step.value;
      if (!step.repeat) break;
    }
  }
  if (!upper)
    for (auto& c : s) c = char(std::tolower(static_cast<unsigned char>(c)));
  return s;
}

// 1..26 are A..Z; beyond that the letters go on as AA, AB, ... like spreadsheet columns.
std::string Letters(int n, bool upper) {
  std::string s;
  while (n > 0) {
    --n;
    s.insert(s.begin(), char((upper ? 'A' : 'a') + n % 26));
    n /= 26;
  }
  return s;
}
}  // namespace

std::string TQuarrionCanvas::PageLabel(int page, int offset, int style) const {
  if (page < 0 || page >= PageCount()) return "??";
  if (pages_[page].IsMaster) return "X";
  long long n = static_cast<long long>(GetAbsolutePage(page)) + offset - 1;
  switch (style) {
    case 1:
    case 2:
      return n < 1 ? std::string() : Roman(int(std::min(n, 1000000LL)), style == 1);
    case 3:
    case 4:
      return n < 1 ? std::string() : Letters(int(std::min(n, 1000000000LL)), style == 3);
    default:
      return std::to_string(n);
  }
}

void TQuarrionCanvas::BroadcastPagesShifted(int delta, int fromPage) {
  for (int p = 0; p < PageCount(); ++p)
    for (auto& obj : pages_[p].Objects) {
      obj->PageIndex = p;
      obj->PagesShifted(delta, fromPage);
    }
}

void TQuarrionCanvas::BroadcastPagesReordered(const TMultiSwap& swaps) {
  for (int p = 0; p < PageCount(); ++p)
    for (auto& obj : pages_[p].Objects) {
      obj->PageIndex = p;
      obj->PagesReordered(swaps);
    }
}

namespace {
bool IsPermutation(const std::vector<int>& order, int count) {
  if (int(order.size()) != count) return false;
  std::vector<bool> seen(std::size_t(count), false);
  for (int old : order) {
    if (old < 0 || old >= count || seen[std::size_t(old)]) return false;
    seen[std::size_t(old)] = true;
  }
  return true;
}
}  // namespace

bool TQuarrionCanvas::ReorderPages(const std::vector<int>& newOrder) {
  if (!IsPermutation(newOrder, PageCount())) return false;
  CancelUndo();
  ClearUndo();
  std::vector<int> oldSlide(pages_.size());
  for (int p = 0; p < PageCount(); ++p) oldSlide[std::size_t(p)] = GetAbsolutePage(p);
  int current = page_;
  std::vector<TPage> moved;
  moved.reserve(pages_.size());
  for (int old : newOrder) {
    moved.push_back(std::move(pages_[std::size_t(old)]));
    if (old == page_) current = int(moved.size()) - 1;
  }
  pages_ = std::move(moved);
  // Links name slides, and master pages are not slides: only slides get a pair.
  TMultiSwap swaps;
  for (int p = 0; p < PageCount(); ++p)
    if (!pages_[std::size_t(p)].IsMaster)
      swaps.push_back({oldSlide[std::size_t(newOrder[std::size_t(p)])], GetAbsolutePage(p)});
  BroadcastPagesReordered(swaps);
  ClearStatic();  // the master page behind the current page may have changed
  SetPage(current);
  Repaint();
  return true;
}

void TQuarrionCanvas::Clear() {
  PaintingEnabled = false;
  EventsEnabled = false;
  SetPageCount(0);
  AddPage(256, true, false);
  ClearStatic();
  ClearUndo();
  PaintingEnabled = true;
  EventsEnabled = true;
  Repaint();
}

void TQuarrionCanvas::Log(const std::string& text) {
  if (OnLog) OnLog(text);
}

namespace {
bool SameKey(std::string_view a, std::string_view b, bool caseSensitive) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    auto x = static_cast<unsigned char>(a[i]), y = static_cast<unsigned char>(b[i]);
    if (!caseSensitive) {
      x = static_cast<unsigned char>(std::tolower(x));
      y = static_cast<unsigned char>(std::tolower(y));
    }
    if (x != y) return false;
  }
  return true;
}
}  // namespace

int TQuarrionCanvas::FindAttribute(const TResources& attributes, std::string_view name,
                                   bool caseSensitive) {
  for (std::size_t i = 0; i < attributes.size(); ++i)
    if (SameKey(attributes[i].Name, name, caseSensitive)) return int(i);
  return -1;
}

std::string TQuarrionCanvas::GetAttribute(const TResources& attributes, std::string_view name,
                                          bool caseSensitive) {
  int i = FindAttribute(attributes, name, caseSensitive);
  return i < 0 ? std::string() : attributes[i].Text;
}

// ---- Screen mapping and grid -----------------------------------------------------------

TPoint TQuarrionCanvas::PageToScreen(int x, int y) const {
  return {int((static_cast<long long>(x) - OriginX) * ZoomX / 1000),
          int((static_cast<long long>(y) - OriginY) * ZoomY / 1000)};
}

TPoint TQuarrionCanvas::ScreenToPage(int x, int y) const {
  // A zero zoom (a control that was never given a size) maps everything to the origin
  // rather than dividing by zero.
  int px = ZoomX > 0 ? int(static_cast<long long>(x) * 1000 / ZoomX) + OriginX : OriginX;
  int py = ZoomY > 0 ? int(static_cast<long long>(y) * 1000 / ZoomY) + OriginY : OriginY;
  return {px, py};
}

int TQuarrionCanvas::Snap(int v) const {
  if (!SnapToGrid || GridSize <= 0) return v;  // a grid of 0 or less cannot be snapped to
  double g = GridSize;
  return int(static_cast<long long>((v + g / 2) / g) * GridSize);
}

TPoint TQuarrionCanvas::SnapCoordsToGrid(TPoint p) const { return {Snap(p.X), Snap(p.Y)}; }

void TQuarrionCanvas::Repaint() {
  if (host_) host_->Repaint();
}

// ---- Tools ---------------------------------------------------------------------------

void TQuarrionCanvas::SetTool(TTool tool) {
  tool_ = tool;
  if (host_) host_->SetCursor(tool == TTool::tDropper ? 8 : 0);
  if (!selection_.empty()) {
    FireSelectionChanged();
    selection_.clear();
    Repaint();
  }
}

void TQuarrionCanvas::LatchTool() {
  latchedTool_ = tool_;
  SetTool(TTool::tSpecial);
}

void TQuarrionCanvas::UnlatchTool() {
  if (latchedTool_ == TTool::tNone) return;
  TTool t = latchedTool_;
  latchedTool_ = TTool::tNone;
  SetTool(t);
}
