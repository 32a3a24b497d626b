// Painting the work area: scale, the cached page background, double buffering and the
// order in which master objects, page objects, links and selection marks are drawn.
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "model/quarrion_canvas.h"
#include "objects/annot.h"
#include "objects/gradient.h"
#include "objects/rectangle.h"
#include "support/recording_host.h"

namespace {

// An object that writes its name into a shared log whenever it is drawn.
class ProbeObject : public TPDFNormalised {
 public:
  ProbeObject(std::string name, std::vector<std::string>* log, int l = 10, int t = 10, int r = 50,
              int b = 50)
      : TPDFNormalised(l, t, r, b), name_(std::move(name)), log_(log) {}
  std::uint8_t ClassID() const override { return ClassId::Rectangle; }
  std::unique_ptr<TPDFObject> CreateBlank() const override {
    return std::make_unique<ProbeObject>(name_, log_);
  }
  void Draw(TQuarrionCanvas&) override { log_->push_back("draw " + name_); }
  void DrawHighlight(TQuarrionCanvas&) override { log_->push_back("highlight " + name_); }
  void DrawHandles(TQuarrionCanvas&, const TRect&) override { log_->push_back("handles " + name_); }

 private:
  std::string name_;
  std::vector<std::string>* log_;
};

class ProbeLink : public TPDFAnnot {
 public:
  ProbeLink(std::string name, std::vector<std::string>* log)
      : TPDFAnnot(0, 0, 5, 5), name_(std::move(name)), log_(log) {}
  void Draw(TQuarrionCanvas&) override { log_->push_back("draw " + name_); }

 private:
  std::string name_;
  std::vector<std::string>* log_;
};

std::size_t CountPrefix(const RecordingSurface& s, const std::string& prefix) {
  return s.CallsStartingWith(prefix).size();
}

}  // namespace

TEST(CanvasPaint, ScaleAndOriginForControlSizes) {
  struct Case {
    int w, h, pageW, pageH;
    int zoom, originX, originY;
  } cases[] = {
      {446, 286, 432, 324, 794, -64, -18},  // the height is the tighter direction
      {480, 360, 432, 324, 1000, -24, -18},
      {1000, 300, 432, 324, 833, -384, -18},
      {0, 286, 432, 324, 0, 0, 0},  // a control without area shows nothing
      {446, 0, 432, 324, 0, 0, 0},
      {446, 286, 0, 0, 0, 0, 0},  // a page without size cannot be scaled
      {446, 286, 0, 324, 794, -280, -18},  // only the usable side counts
  };
  for (const Case& c : cases) {
    RecordingHost host(c.w, c.h);
    TQuarrionCanvas canvas(&host);
    canvas.PageWidth = c.pageW;
    canvas.PageHeight = c.pageH;
    canvas.ComputeScale();
    SCOPED_TRACE(std::to_string(c.w) + "x" + std::to_string(c.h));
    EXPECT_EQ(canvas.ZoomX, c.zoom);
    EXPECT_EQ(canvas.ZoomY, c.zoom);
    EXPECT_EQ(canvas.OriginX, c.originX);
    EXPECT_EQ(canvas.OriginY, c.originY);
    canvas.Paint();  // must not divide by zero
    TPoint p = canvas.ScreenToPage(c.w / 2, c.h / 2);
    if (c.zoom == 0) {
      EXPECT_EQ(p, (TPoint{0, 0}));
    }
  }
}

TEST(CanvasPaint, PageIsCentredAt343By257Pixels) {
  RecordingHost host(446, 286);
  TQuarrionCanvas canvas(&host);
  canvas.Paint();
  TPoint tl = canvas.PageToScreen(0, 0), br = canvas.PageToScreen(432, 324);
  EXPECT_EQ(br.X - tl.X, 343);
  EXPECT_EQ(br.Y - tl.Y, 257);
  EXPECT_LE(std::abs((446 - br.X) - tl.X), 3);
  EXPECT_LE(std::abs((286 - br.Y) - tl.Y), 1);
  // The page is filled with the background colour over exactly that rectangle.
  const auto& calls = host.Control.Calls;
  EXPECT_NE(std::find(calls.begin(), calls.end(), "fill 50,14,393,271"), calls.end());
}

TEST(CanvasPaint, BackgroundIsCachedUntilResize) {
  RecordingHost host(446, 286);
  TQuarrionCanvas canvas(&host);
  EXPECT_EQ(canvas.StaticImage(), nullptr);
  canvas.Paint();
  ASSERT_NE(canvas.StaticImage(), nullptr);
  EXPECT_EQ(canvas.StaticImage()->Width(), 446);
  EXPECT_EQ(canvas.StaticImage()->Height(), 286);
  // Shadow and page are filled rectangles; the cached picture replaces both.
  EXPECT_EQ(CountPrefix(host.Control, "fill"), 3u);
  EXPECT_EQ(CountPrefix(host.Control, "draw 0,0"), 0u);

  host.Control.Calls.clear();
  canvas.Paint();
  EXPECT_EQ(CountPrefix(host.Control, "fill"), 0u);  // the picture covers the control too
  EXPECT_EQ(CountPrefix(host.Control, "draw 0,0 446x286"), 1u);

  int repaints = host.Repaints;
  canvas.Resize();
  EXPECT_EQ(canvas.StaticImage(), nullptr);
  EXPECT_EQ(host.Repaints, repaints + 1);

  // A control that changed size without Resize does not get the old picture either.
  canvas.Paint();
  host.Resize(300, 200);
  host.Control.Calls.clear();
  canvas.Paint();
  EXPECT_EQ(CountPrefix(host.Control, "draw 0,0"), 0u);
  EXPECT_EQ(CountPrefix(host.Control, "fill"), 3u);  // the page was drawn afresh
}

TEST(CanvasPaint, OnPaintComesBetweenBackgroundAndObjects) {
  RecordingHost host;
  TQuarrionCanvas canvas(&host);
  std::vector<std::string> log;
  canvas.Add(std::make_unique<ProbeObject>("a", &log));
  canvas.OnPaint = [&] { log.push_back("paint event, " + std::to_string(host.Control.Calls.size())); };
  canvas.OnRepaint = [&] { log.push_back("repaint event"); };
  canvas.Paint();
  ASSERT_EQ(log.size(), 4u);
  EXPECT_EQ(log[0].rfind("paint event", 0), 0u);
  EXPECT_EQ(log[1], "draw a");
  EXPECT_EQ(log[2], "highlight a");
  EXPECT_EQ(log[3], "repaint event");
}

TEST(CanvasPaint, DrawOrderMasterObjectsLinksAndMarks) {
  RecordingHost host;
  TQuarrionCanvas canvas(&host);
  std::vector<std::string> log;
  canvas.Pages()[0].IsMaster = true;
  canvas.Add(std::make_unique<ProbeObject>("m0", &log));
  canvas.Add(std::make_unique<ProbeObject>("m1", &log))->Deleted = true;
  canvas.AddPage(1, true, false);
  auto front = std::make_unique<ProbeObject>("front", &log);
  front->AddAnnot(std::make_unique<ProbeLink>("link", &log));
  canvas.Add(std::make_unique<ProbeObject>("back", &log));
  canvas.Add(std::make_unique<ProbeObject>("gone", &log))->Deleted = true;
  canvas.Add(std::move(front));
  canvas.ClearSelectionQuietly();
  canvas.AddToSelection(2);
  canvas.AddToSelection(0);

  struct Case {
    bool selected, unselected, objects, master, highlight;
    std::vector<std::string> expected;
  } cases[] = {
      {true, true, true, true, true,
       {"draw m0", "draw back", "draw front", "draw link", "highlight front", "highlight back"}},
      {true, true, true, true, false,
       {"draw m0", "draw back", "draw front", "draw link", "handles front", "handles back"}},
      {true, true, true, false, true,
       {"draw back", "draw front", "draw link", "highlight front", "highlight back"}},
      {false, true, true, true, true, {"draw m0"}},
      {true, false, true, true, true,
       {"draw back", "draw front", "draw link", "highlight front", "highlight back"}},
      {true, true, false, true, true, {"draw m0"}},
  };
  for (const Case& c : cases) {
    log.clear();
    canvas.ShowHighlight = c.highlight;
    canvas.DrawOn(canvas, c.selected, c.unselected, c.objects, c.master);
    EXPECT_EQ(log, c.expected);
  }

  // A page without UseMaster, or a master page itself, shows no master objects.
  canvas.CurrentPage().UseMaster = false;
  log.clear();
  canvas.DrawOn(canvas, false, true, true, true);
  EXPECT_TRUE(log.empty());
}

TEST(CanvasPaint, DoubleBufferedPaintGoesThroughOneOffscreenImage) {
  RecordingHost host;
  TQuarrionCanvas canvas(&host);
  canvas.DoubleBuffered = true;
  canvas.Add(std::make_unique<TPDFRectangle>(10, 10, 50, 50));
  canvas.Paint();
  EXPECT_EQ(host.Offscreens, 1);
  EXPECT_EQ(host.Copies, 1);
  EXPECT_TRUE(host.Control.Calls.empty());
  // The off-screen image is gone: objects drawn later land on the control.
  EXPECT_EQ(canvas.SecondCanvas(), &host.Control);
}

TEST(CanvasPaint, DisabledPaintingDrawsNothing) {
  RecordingHost host;
  TQuarrionCanvas canvas(&host);
  canvas.PaintingEnabled = false;
  canvas.Paint();
  EXPECT_TRUE(host.Control.Calls.empty());
  EXPECT_EQ(canvas.StaticImage(), nullptr);
}

TEST(CanvasPaint, BackgroundGradientStaysWithTheDocument) {
  RecordingHost host(446, 286);
  TQuarrionCanvas canvas(&host);
  auto gradient = std::make_unique<TPDFGradient>(0, 0, 0, 0);
  gradient->ObjectID = 42;
  gradient->End.X = 1;
  TPDFGradient* g = gradient.get();
  canvas.DocumentInfo.BackgroundGradient = std::move(gradient);
  canvas.DocumentInfo.BackgroundIsGradient = true;
  canvas.Paint();
  ASSERT_EQ(canvas.DocumentInfo.BackgroundGradient.get(), g);
  EXPECT_EQ(g->ObjectID, 42);
  // The page was filled with the rendered gradient rather than with a colour.
  EXPECT_EQ(CountPrefix(host.Control, "draw 50,14 343x257"), 1u);
  EXPECT_EQ(CountPrefix(host.Control, "fill 50,14,393,271"), 0u);
}

TEST(CanvasPaint, DrawOnAnotherControlUsesItsSurfaceAndScale) {
  RecordingHost host(446, 286), previewHost(200, 150);
  TQuarrionCanvas canvas(&host), preview(&previewHost);
  canvas.Add(std::make_unique<TPDFRectangle>(100, 100, 200, 200));
  canvas.ClearSelectionQuietly();
  canvas.Paint();
  preview.Paint();
  host.Control.Calls.clear();
  previewHost.Control.Calls.clear();
  canvas.DrawOn(preview, true, true, true, false);
  TPoint a = preview.PageToScreen(100, 100), b = preview.PageToScreen(200, 200);
  const std::string expected = "fill " + std::to_string(a.X) + "," + std::to_string(a.Y) + "," +
                               std::to_string(b.X) + "," + std::to_string(b.Y);
  EXPECT_EQ(CountPrefix(previewHost.Control, expected), 1u);
  EXPECT_TRUE(host.Control.Calls.empty());
  EXPECT_EQ(canvas.SecondCanvas(), &host.Control);
}
