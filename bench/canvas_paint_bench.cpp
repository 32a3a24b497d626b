// The work area with 2000 objects on one slide: a full paint against one step of a drag,
// which must only draw its feedback frames over the picture the control already shows.
// Measured on a surface that only counts calls (the core's own cost) and, when the Qt
// layer is built in, on the QPainter surface.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <memory>
#include <vector>

#include "model/canvas_host.h"
#include "model/quarrion_canvas.h"
#include "model/surface.h"
#include "objects/gradient.h"
#include "objects/line.h"
#include "objects/rectangle.h"

#ifdef QUARRION_BENCH_QT
#include <QGuiApplication>

#include "platform/qt/gui/qt_surface.h"
#endif

#include "bench_goal.h"
#include "bench_timing.h"

namespace {

constexpr int kRuns = 7;
constexpr int kObjects = 2000;


// Counts what is drawn and nothing else.
class CountingSurface : public Surface {
 public:
  CountingSurface(int w, int h) : w_(w), h_(h) {}
  int Width() const override { return w_; }
  int Height() const override { return h_; }
  void SetPen(const TPen&) override {}
  void SetBrush(const TBrush&) override {}
  void SetFont(const TScreenFont&) override {}
  void FillRect(const TRect&) override { ++Calls; }
  void FrameRect(const TRect&) override { ++Calls; }
  void Rectangle(const TRect&) override { ++Calls; }
  void Polygon(const std::vector<TPoint>&) override { ++Calls; }
  void Ellipse(const TRect&) override { ++Calls; }
  void Line(TPoint, TPoint) override { ++Calls; }
  void Bezier(const std::array<TPoint, 4>&) override { ++Calls; }
  void TextOut(int, int, const std::string&) override { ++Calls; }
  int TextWidth(const std::string& s) override { return int(s.size()) * 6; }
  void Draw(int, int, const TBitmap&) override { ++Calls; }
  void StretchDraw(const TRect&, const TBitmap&) override { ++Calls; }
  TBitmap Capture() const override { return TBitmap(w_, h_); }
  long long Calls = 0;

 private:
  int w_, h_;
};

// A control of a fixed size whose surface is given.
class BenchHost : public CanvasHost {
 public:
  BenchHost(int w, int h, Surface& control) : w_(w), h_(h), control_(control) {}
  void Repaint() override { ++Repaints; }
  int ClientWidth() const override { return w_; }
  int ClientHeight() const override { return h_; }
  void SetCursor(int) override {}
  void ProcessMessages() override {}
  Surface* ControlSurface() override { return &control_; }
  std::unique_ptr<Surface> CreateOffscreen(int, int) override { return nullptr; }
  void CopyToControl(Surface&) override {}
  int Repaints = 0;

 private:
  int w_, h_;
  Surface& control_;
};

// 2000 objects spread over the page: boxes (every tenth with a gradient, every seventh
// with a shadow, some dashed) and lines.
void Populate(TQuarrionCanvas& canvas) {
  for (int i = 0; i < kObjects; ++i) {
    int x = (i * 37) % 400, y = (i * 53) % 300;
    if (i % 4 == 3) {
      auto* line = static_cast<TPDFLine*>(canvas.Add(std::make_unique<TPDFLine>(x, y, x + 30, y + 20)));
      line->LineWidth = 1 + i % 3;
      continue;
    }
    auto* box = static_cast<TPDFRectangle*>(canvas.Add(std::make_unique<TPDFRectangle>(x, y, x + 24, y + 18)));
    box->FillColour = RGBColour(i % 255, (i * 3) % 255, (i * 7) % 255);
    box->Shadow = i % 7 == 0;
    if (i % 5 == 0) box->DashPattern = {3, 1};
    if (i % 10 == 0) {
      auto g = std::make_unique<TPDFGradient>(0, 0, 0, 0);
      g->End.X = 1;
      box->SetGradient(std::move(g));
    }
  }
}

struct Result {
  double firstPaint = 0, paint = 0, dragStep = 0;
  int repaintsDuringDrag = 0;
};

// Full paints, then drag steps moving `selected` objects by one pixel each.
Result Measure(TQuarrionCanvas& canvas, BenchHost& host, int selected) {
  Result r;
  // The first paint builds the cached background and renders every gradient; the paints
  // after it (a repaint, an expose) reuse both.
  r.firstPaint = MedianSeconds(1, [&] { canvas.Paint(); });
  r.paint = MedianSeconds(kRuns, [&] { canvas.Paint(); });
  canvas.ClearSelectionQuietly();
  for (int i = 0; i < selected; ++i) canvas.AddToSelection(i * (kObjects / selected));
  const TPDFObject& first = *canvas.CurrentPage().Objects[std::size_t(canvas.Selection()[0])];
  TPoint down = canvas.PageToScreen((first.Left + first.Right) / 2, (first.Top + first.Bottom) / 2);
  canvas.MouseDown(TMouseButton::Left, {}, down.X, down.Y);
  const int before = host.Repaints;
  int step = 0;
  const int kSteps = 100;
  r.dragStep = MedianSeconds(kRuns, [&] {
                 for (int s = 0; s < kSteps; ++s, ++step)
                   canvas.MouseMove({}, down.X + 1 + step % 40, down.Y + 1 + step % 30);
               }) /
               kSteps;
  r.repaintsDuringDrag = host.Repaints - before;
  canvas.MouseUp(TMouseButton::Left, {}, down.X, down.Y);
  return r;
}

void Report(const char* surface, const Result& one, const Result& fifty) {
  std::printf("  %-16s first paint %8.1f us, full paint %8.1f us | drag step, 1 selected %7.2f us (%.4f of a paint) | "
              "50 selected %7.2f us (%.3f) | repaints during drags: %d\n",
              surface, one.firstPaint * 1e6, one.paint * 1e6, one.dragStep * 1e6, one.dragStep / one.paint,
              fifty.dragStep * 1e6, fifty.dragStep / fifty.paint,
              one.repaintsDuringDrag + fifty.repaintsDuringDrag);
}

}  // namespace

void RunCanvasPaintBench() {
  std::printf("Work area: %d objects on one slide, 1280 x 960 control\n", kObjects);
  {
    CountingSurface control(1280, 960);
    BenchHost host(1280, 960, control);
    TQuarrionCanvas canvas(&host);
    Populate(canvas);
    Result one = Measure(canvas, host, 1);
    Result fifty = Measure(canvas, host, 50);
    Report("counting surface", one, fifty);
  }
#ifdef QUARRION_BENCH_QT
  std::unique_ptr<QGuiApplication> app;
  if (!QCoreApplication::instance()) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "quarrion_bench";
    static char* argv[] = {name, nullptr};
    app = std::make_unique<QGuiApplication>(argc, argv);
  }
  {
    QImage frame(1280, 960, QImage::Format_RGB32);
    QtSurface control(&frame);
    BenchHost host(1280, 960, control);
    TQuarrionCanvas canvas(&host);
    Populate(canvas);
    Result one = Measure(canvas, host, 1);
    Result fifty = Measure(canvas, host, 50);
    Report("QPainter surface", one, fifty);
    ReportGoal("work area, full paint of 2000 objects", one.paint / 0.016, "a 16 ms frame", 1.0);
  }
#endif
}
