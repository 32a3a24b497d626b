// Mouse editing of the work area: picking, dragging, the rubber band, proportional
// resizing, snapping, the dropper and the drag feedback drawn with the inverting pen.
#include <gtest/gtest.h>

#include <memory>
#include <set>
#include <string>
#include <vector>

#include "model/quarrion_canvas.h"
#include "objects/annot.h"
#include "objects/rectangle.h"
#include "support/recording_host.h"

namespace {

constexpr TShiftState kNone{};
constexpr TShiftState kShift{true, false, false};
constexpr TShiftState kCtrl{false, true, false};

// A 480 x 360 control shows the default page at zoom 1000 with the origin at (-24, -18),
// so page points map to whole pixels both ways.
class CanvasMouse : public ::testing::Test {
 protected:
  CanvasMouse() : host(480, 360), canvas(&host) {
    canvas.Paint();
    canvas.OnSelectionChanged = [this] { ++selectionEvents; };
    canvas.OnMouseDown = [this](TMouseButton, TShiftState, int, int) { ++downEvents; };
    canvas.OnObjectChanged = [this](TPDFObject& o) { changed.push_back(&o); };
  }

  TPDFRectangle* AddRect(int l, int t, int r, int b) {
    auto* o = static_cast<TPDFRectangle*>(canvas.Add(std::make_unique<TPDFRectangle>(l, t, r, b)));
    canvas.ClearSelectionQuietly();
    return o;
  }
  TPoint Px(int x, int y) const { return canvas.PageToScreen(x, y); }
  void Down(int x, int y, TShiftState s = kNone, TMouseButton b = TMouseButton::Left) {
    TPoint p = Px(x, y);
    canvas.MouseDown(b, s, p.X, p.Y);
  }
  void Move(int x, int y, TShiftState s = kNone) {
    TPoint p = Px(x, y);
    canvas.MouseMove(s, p.X, p.Y);
  }
  void Up(int x, int y) {
    TPoint p = Px(x, y);
    canvas.MouseUp(TMouseButton::Left, kNone, p.X, p.Y);
  }
  static TRect Bounds(const TPDFObject* o) { return {o->Left, o->Top, o->Right, o->Bottom}; }

  // The rectangles still inverted on the control: each inverting draw toggles one.
  std::set<std::string> InvertedRects() const {
    std::set<std::string> shown;
    bool inverting = false;
    for (const auto& c : host.Control.Calls) {
      if (c.rfind("pen ", 0) == 0) inverting = c.find(" not") != std::string::npos;
      if (c.rfind("rect ", 0) == 0 && inverting && !shown.erase(c)) shown.insert(c);
    }
    return shown;
  }

  RecordingHost host;
  TQuarrionCanvas canvas;
  int selectionEvents = 0;
  int downEvents = 0;
  std::vector<TPDFObject*> changed;
};

}  // namespace

TEST_F(CanvasMouse, PickingRules) {
  struct Case {
    const char* what;
    TPDFSelection before;
    int x, y;
    TShiftState shift;
    TPDFSelection after;
  } cases[] = {
      {"click on an unselected object selects only it", {0}, 120, 120, kNone, {1}},
      {"the frontmost of two overlapping objects wins", {}, 90, 90, kNone, {1}},
      {"a selected object behind another is found first", {0}, 90, 90, kNone, {0}},
      {"click on a selected object keeps the whole selection", {0, 1}, 30, 30, kNone, {0, 1}},
      {"Shift click on a selected object deselects it", {0, 1}, 30, 30, kShift, {1}},
      {"Shift click on another object adds it", {0}, 120, 120, kShift, {0, 1}},
      {"click on an empty spot empties the selection", {0, 1}, 300, 250, kNone, {}},
      {"a locked object is not picked", {}, 210, 210, kNone, {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    host.Control.Calls.clear();
    canvas.Clear();
    canvas.Paint();
    AddRect(20, 20, 100, 100);
    AddRect(80, 80, 160, 160);
    AddRect(200, 200, 220, 220)->Locked = true;
    for (int i : c.before) canvas.AddToSelection(i);
    Down(c.x, c.y, c.shift);
    EXPECT_EQ(canvas.Selection(), c.after);
    Up(c.x, c.y);
    EXPECT_EQ(canvas.Selection(), c.after);
  }
}

TEST_F(CanvasMouse, MoveAllSelectedObjectsTogether) {
  auto* a = AddRect(20, 20, 100, 100);
  auto* b = AddRect(200, 40, 260, 90);
  canvas.AddToSelection(0);
  canvas.AddToSelection(1);
  int repaints = host.Repaints;
  Down(50, 50);
  Move(60, 55);
  Move(70, 57);
  EXPECT_EQ(Bounds(a), (TRect{40, 27, 120, 107}));  // live and unsnapped
  EXPECT_EQ(Bounds(b), (TRect{220, 47, 280, 97}));
  EXPECT_EQ(host.Repaints, repaints);  // feedback only, no page repaint
  Up(70, 57);
  EXPECT_EQ(changed, (std::vector<TPDFObject*>{a, b}));
}

TEST_F(CanvasMouse, CornerHandleResizesTheSameCornerOfEverySelectedObject) {
  auto* a = AddRect(20, 20, 100, 100);
  auto* b = AddRect(200, 40, 260, 90);
  canvas.AddToSelection(0);
  canvas.AddToSelection(1);
  Down(99, 101);  // a's bottom-right handle
  Move(109, 107);
  Up(109, 107);
  EXPECT_EQ(Bounds(a), (TRect{20, 20, 110, 106}));
  EXPECT_EQ(Bounds(b), (TRect{200, 40, 270, 96}));
}

TEST_F(CanvasMouse, ShiftClickOnSelectedObjectStartsBandThatAddsToTheRest) {
  AddRect(20, 20, 100, 100);
  AddRect(150, 20, 200, 60);
  AddRect(300, 200, 340, 240);
  canvas.AddToSelection(0);
  canvas.AddToSelection(1);
  Down(50, 50, kShift);
  EXPECT_EQ(canvas.Selection(), (TPDFSelection{1}));
  Move(360, 260, kShift);
  Up(360, 260);
  EXPECT_EQ(canvas.Selection(), (TPDFSelection{1, 2}));
}

TEST_F(CanvasMouse, RubberBandSelectsOnlyObjectsStrictlyInside) {
  AddRect(50, 50, 80, 80);     // inside
  AddRect(90, 90, 150, 150);   // partly inside
  AddRect(40, 60, 60, 70);     // touches the band's left edge
  AddRect(100, 60, 110, 120);  // touches the band's bottom edge
  AddRect(100, 50, 118, 110);  // inside
  Down(40, 40);
  EXPECT_TRUE(canvas.Selection().empty());
  int events = selectionEvents;
  Move(130, 120);
  EXPECT_EQ(canvas.Selection(), (TPDFSelection{0, 4}));
  EXPECT_GT(selectionEvents, events);
  // Shrinking the band drops what is no longer inside.
  Move(90, 90);
  EXPECT_EQ(canvas.Selection(), (TPDFSelection{0}));
  Up(90, 90);
  EXPECT_EQ(canvas.Selection(), (TPDFSelection{0}));
  EXPECT_TRUE(changed.empty());
}

TEST_F(CanvasMouse, BandReleasedWithoutMovingLeavesSelectionEmpty) {
  AddRect(20, 20, 100, 100);
  canvas.AddToSelection(0);
  Down(300, 250);
  Up(300, 250);
  EXPECT_TRUE(canvas.Selection().empty());
}

TEST_F(CanvasMouse, BandFeedbackIsErasedStepByStepAndRepaintsOnlyOnChange) {
  AddRect(50, 50, 80, 80);
  Down(300, 250);
  int repaints = host.Repaints;
  Move(280, 230);
  Move(250, 210);
  EXPECT_EQ(host.Repaints, repaints);  // nothing entered the band
  EXPECT_EQ(InvertedRects().size(), 1u);
  Move(40, 40);
  EXPECT_EQ(host.Repaints, repaints + 1);
  Up(40, 40);
}

TEST_F(CanvasMouse, ProportionalResizeSnapsDirection) {
  // The box (50, 50)-(100, 100) is dragged by its bottom-right handle with Ctrl held; the
  // top-left corner stays fixed.
  struct Case {
    int toX, toY;
    TRect expected;
  } cases[] = {
      {150, 140, {50, 50, 140, 140}},  // slope 0.9: along the diagonal
      {150, 0, {50, 0, 100, 50}},      // slope -0.5: the other diagonal (then normalised)
      {200, 110, {50, 50, 200, 50}},   // slope 0.4: horizontal only
      {60, 180, {50, 50, 50, 180}},    // slope 13: vertical only
      {50, 200, {50, 50, 50, 200}},    // straight down: left as it is
  };
  for (const Case& c : cases) {
    canvas.Clear();
    canvas.Paint();
    auto* r = AddRect(50, 50, 100, 100);
    canvas.AddToSelection(0);
    Down(100, 100);
    Move(c.toX, c.toY, kCtrl);
    Up(c.toX, c.toY);
    EXPECT_EQ(Bounds(r), c.expected) << c.toX << "," << c.toY;
  }
  // Without Ctrl the corner simply follows the pointer.
  canvas.Clear();
  canvas.Paint();
  auto* r = AddRect(50, 50, 100, 100);
  canvas.AddToSelection(0);
  Down(100, 100);
  Move(150, 140);
  Up(150, 140);
  EXPECT_EQ(Bounds(r), (TRect{50, 50, 150, 140}));
}

TEST_F(CanvasMouse, ReleaseOutsideFiresDropOutsideAndEndsTheDrag) {
  auto* a = AddRect(20, 20, 100, 100);
  canvas.AddToSelection(0);
  std::vector<TPoint> drops;
  canvas.OnDropOutside = [&](int x, int y) { drops.push_back({x, y}); };
  Down(50, 50);
  Move(60, 60);
  canvas.MouseMove(kNone, 600, 100);  // outside: the objects go back
  EXPECT_EQ(Bounds(a), (TRect{20, 20, 100, 100}));
  canvas.MouseUp(TMouseButton::Left, kNone, 600, 100);
  EXPECT_EQ(drops, (std::vector<TPoint>{{600, 100}}));
  Move(90, 90);  // the drag is over
  EXPECT_EQ(Bounds(a), (TRect{20, 20, 100, 100}));
  EXPECT_TRUE(InvertedRects().empty());
}

TEST_F(CanvasMouse, FeedbackFramesNeverStayBehind) {
  AddRect(20, 20, 100, 100);
  canvas.AddToSelection(0);
  Down(50, 50);
  Move(55, 50);
  Move(50, 50);  // back where it started
  Move(53, 50);
  auto shown = InvertedRects();
  ASSERT_EQ(shown.size(), 1u);
  TPoint tl = Px(23, 20), br = Px(104, 101);
  EXPECT_EQ(*shown.begin(), "rect " + std::to_string(tl.X) + "," + std::to_string(tl.Y) + "," +
                                std::to_string(br.X) + "," + std::to_string(br.Y));
}

TEST_F(CanvasMouse, SnapValuesOnGridOfEight) {
  canvas.SnapToGrid = true;
  canvas.GridSize = 8;
  const std::pair<int, int> cases[] = {{13, 16}, {11, 8}, {12, 16}, {-3, 0}, {0, 0}, {-5, 0}, {20, 24}};
  for (auto [v, expected] : cases) EXPECT_EQ(canvas.Snap(v), expected) << v;
  EXPECT_EQ(canvas.SnapCoordsToGrid({13, -3}), (TPoint{16, 0}));
  canvas.SnapToGrid = false;
  EXPECT_EQ(canvas.Snap(13), 13);
}

TEST_F(CanvasMouse, DragFeedbackSnapsAndReleaseNormalises) {
  auto* a = AddRect(16, 16, 96, 96);
  canvas.SnapToGrid = true;
  canvas.GridSize = 8;
  canvas.AddToSelection(0);
  Down(50, 50);
  Move(53, 61);  // offset 3, 11: live bounds 19..99, 27..107
  EXPECT_EQ(Bounds(a), (TRect{19, 27, 99, 107}));
  auto shown = InvertedRects();
  ASSERT_EQ(shown.size(), 1u);
  TPoint tl = Px(16, 24), br = Px(97, 105);  // snapped frame, drawn one unit larger
  EXPECT_EQ(*shown.begin(), "rect " + std::to_string(tl.X) + "," + std::to_string(tl.Y) + "," +
                                std::to_string(br.X) + "," + std::to_string(br.Y));
  Up(53, 61);
  EXPECT_EQ(Bounds(a), (TRect{16, 24, 96, 104}));
}

TEST_F(CanvasMouse, DropperPicksAndAppliesStyleAsOneUndoStep) {
  canvas.Undoable = true;
  auto* source = AddRect(20, 20, 100, 100);
  source->FillColour = 0x00FF00;
  source->LineWidth = 3;
  auto* target = AddRect(150, 20, 200, 60);
  auto* link = static_cast<TPDFAnnot*>(canvas.Add(std::make_unique<TPDFAnnot>(250, 20, 300, 60)));
  canvas.ClearSelectionQuietly();
  canvas.AddToSelection(0);
  canvas.SetTool(TTool::tDropper);
  EXPECT_EQ(host.Cursor, 8);
  canvas.ClearUndo();

  downEvents = 0;
  Down(400, 300, kNone, TMouseButton::Right);  // nothing there: no event
  EXPECT_EQ(downEvents, 0);
  Down(50, 50, kNone, TMouseButton::Right);
  ASSERT_NE(canvas.DropperStyle(), nullptr);
  EXPECT_EQ(downEvents, 1);
  source->FillColour = 0x0000FF;  // the picked style is a copy
  canvas.AddToSelection(1);
  TPDFSelection selection = canvas.Selection();

  Down(170, 40);
  EXPECT_EQ(target->FillColour, 0x00FF00u);
  EXPECT_EQ(target->LineWidth, 3);
  EXPECT_EQ(Bounds(target), (TRect{150, 20, 200, 60}));
  EXPECT_EQ(canvas.Selection(), selection);
  EXPECT_EQ(canvas.UndoHistory().Items.size(), 1u);
  Down(270, 40);  // a link is a rectangle too
  EXPECT_EQ(link->FillColour, 0x00FF00u);

  canvas.Undo();
  canvas.Undo();
  EXPECT_EQ(target->FillColour, 0xFFFFFFu);
  EXPECT_EQ(target->LineWidth, 0);

  // A link's style does not fit a plain rectangle.
  Down(270, 40, kNone, TMouseButton::Right);
  Down(170, 40);
  EXPECT_EQ(target->FillColour, 0xFFFFFFu);
}

TEST_F(CanvasMouse, PressAfterDoubleClickIsPassedOn) {
  AddRect(20, 20, 100, 100);
  int dbl = 0;
  canvas.OnDblClick = [&] { ++dbl; };
  canvas.DblClick();
  Down(50, 50);
  EXPECT_EQ(dbl, 1);
  EXPECT_EQ(downEvents, 1);
  EXPECT_TRUE(canvas.Selection().empty());
  Down(50, 50);
  EXPECT_EQ(canvas.Selection(), (TPDFSelection{0}));
}

TEST_F(CanvasMouse, RightButtonSelectsWithoutDragging) {
  auto* a = AddRect(20, 20, 100, 100);
  Down(50, 50, kNone, TMouseButton::Right);
  EXPECT_EQ(canvas.Selection(), (TPDFSelection{0}));
  Move(80, 80);
  EXPECT_EQ(Bounds(a), (TRect{20, 20, 100, 100}));
}

TEST_F(CanvasMouse, OtherToolsOnlyReportThePress) {
  auto* a = AddRect(20, 20, 100, 100);
  for (TTool tool : {TTool::tNone, TTool::tSpecial}) {
    canvas.SetTool(tool);
    downEvents = 0;
    Down(50, 50);
    Move(60, 60);
    Up(60, 60);
    EXPECT_EQ(downEvents, 1);
    EXPECT_TRUE(canvas.Selection().empty());
    EXPECT_EQ(Bounds(a), (TRect{20, 20, 100, 100}));
  }
}

TEST(CanvasMouseZeroSize, ControlWithoutAreaEditsNothing) {
  RecordingHost host(0, 0);
  TQuarrionCanvas canvas(&host);
  auto* a = canvas.Add(std::make_unique<TPDFRectangle>(0, 0, 100, 100));
  canvas.ClearSelectionQuietly();
  canvas.Paint();
  EXPECT_EQ(canvas.ZoomX, 0);
  int events = 0;
  canvas.OnMouseDown = [&](TMouseButton, TShiftState, int, int) { ++events; };
  canvas.MouseDown(TMouseButton::Left, kNone, 0, 0);
  canvas.MouseMove(kNone, 0, 0);
  canvas.MouseUp(TMouseButton::Left, kNone, 0, 0);
  EXPECT_EQ(events, 1);
  EXPECT_TRUE(canvas.Selection().empty());
  EXPECT_EQ(a->Right, 100);
}
