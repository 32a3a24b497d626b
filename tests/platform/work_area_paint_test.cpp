// The work area's full paint of a busy page, pixel for pixel against pictures recorded from
// an earlier, plainer drawing path (tests/platform/data/paint_*.png): faster drawing must
// not move a pixel. And what is remembered between paints follows every edit.
//
// Set QUARRION_RECORD_PAINT_REFERENCES to a folder to write the pictures there instead of
// comparing them (only for a deliberate change of what the work area shows).
#include <gtest/gtest.h>

#include <QDir>
#include <QImage>
#include <QTemporaryDir>
#include <memory>
#include <string>

#include "model/quarrion_canvas.h"
#include "objects/bezier.h"
#include "objects/gradient.h"
#include "objects/image.h"
#include "objects/line.h"
#include "objects/rectangle.h"
#include "platform/qt/gui/slide_renderer.h"
#include "platform/qt/widgets/qt_canvas_host.h"
#include "text/text.h"

namespace {

template <class T>
T* AddTo(TQuarrionCanvas& canvas, std::unique_ptr<T> obj) {
  return static_cast<T*>(canvas.Add(std::move(obj)));
}

std::unique_ptr<TPDFGradient> Gradient(int type, TColor from, TColor to, double ex, double ey) {
  auto g = std::make_unique<TPDFGradient>(0, 0, 0, 0);
  g->ShadingType = type;
  g->Start.Colour = from;
  g->End.Colour = to;
  g->End.X = ex;
  g->End.Y = ey;
  if (type == 3) {
    g->Start.X = g->Start.Y = 0.5;
    g->End.X = g->End.Y = 0.5;
    g->End.Radius = 0.5;
  }
  return g;
}

// A 4 x 3 picture of distinct colours, its top-left pixel magenta (made transparent below).
std::string WritePicture(const QTemporaryDir& dir) {
  QImage picture(4, 3, QImage::Format_RGB32);
  for (int y = 0; y < 3; ++y)
    for (int x = 0; x < 4; ++x) picture.setPixel(x, y, qRgb(60 * x, 80 * y, 200 - 40 * x));
  picture.setPixel(0, 0, qRgb(255, 0, 255));
  const QString path = dir.filePath("picture.bmp");
  picture.save(path, "BMP");
  return path.toStdString();
}

// Every kind of object the work area draws, on a master band and a page.
void BuildBusyPage(TQuarrionCanvas& canvas, const std::string& picture) {
  canvas.DocumentInfo.Background = 0xE0FFFF;
  canvas.Pages()[0].IsMaster = true;
  auto* band = AddTo(canvas, std::make_unique<TPDFRectangle>(0, 0, 432, 24));
  band->FillColour = 0x804000;
  band->SetGradient(Gradient(2, 0x804000, 0xFFC080, 1, 0));
  canvas.AddPage(1, true, false);

  for (int i = 0; i < 24; ++i) {
    const int x = 10 + (i % 8) * 52, y = 34 + (i / 8) * 44;
    auto* box = AddTo(canvas, std::make_unique<TPDFRectangle>(x, y, x + 40, y + 30));
    box->FillColour = RGBColour(40 * (i % 6), 255 - 30 * (i % 8), 20 * (i % 12));
    box->OutlineColour = RGBColour(0, 0, 30 * (i % 8));
    box->LineWidth = i % 3;
    box->Shadow = i % 4 == 1;
    box->Fill = i % 9 != 8;
    if (i % 5 == 2) box->DashPattern = {3, 2};
    if (i % 6 == 0) box->SetGradient(Gradient(2, RGBColour(255, 20 * i, 0), 0xFF0000, 1, 1));
    if (i % 6 == 3) box->SetGradient(Gradient(3, 0x00FFFF, RGBColour(0, 10 * i, 128), 0, 0));
  }
  for (int i = 0; i < 6; ++i) {
    auto* line = AddTo(canvas, std::make_unique<TPDFLine>(12 + 30 * i, 170, 40 + 36 * i, 200 + 5 * i));
    line->LineWidth = i % 4;
    line->Colour = RGBColour(50 * i, 0, 255 - 40 * i);
    if (i % 2) line->DashPattern = {4, 2};
  }
  auto* curve = AddTo(canvas, std::make_unique<TPDFBezier>(230, 170, 420, 230, 260, 120, 380, 260));
  curve->LineWidth = 2;
  AddTo(canvas, std::make_unique<TPDFBezier>(230, 200, 420, 180, 300, 250, 330, 160));
  AddTo(canvas, std::make_unique<TPDFText>(TTextFont{0, 14000, 0},
                                           "Plain <b>bold</b> <i>italic</i> <u>under</u>\nsecond line",
                                           12, 214, 220, 260));
  auto* coloured = AddTo(canvas, std::make_unique<TPDFText>(TTextFont{1, 20000, 1}, "Headline", 240, 262,
                                                            420, 296));
  coloured->TextColour = 0x2020C0;
  coloured->BlockOut = true;
  coloured->BlockColour = 0xC0FFC0;
  auto* opaque = AddTo(canvas, std::make_unique<TPDFImage>(14, picture, 266));
  opaque->Right = 54;
  opaque->Bottom = 296;
  auto* clear = AddTo(canvas, std::make_unique<TPDFImage>(70, picture, 266));
  clear->Right = 110;
  clear->Bottom = 296;
  clear->Transparent = true;
  clear->SetTransparentColour(RGBColour(255, 0, 255));
  canvas.ClearSelectionQuietly();
  canvas.AddToSelection(3);  // handles over the paint
}

// The work area's control at a given size, painted once (the cached background) and again.
class PaintedControl {
 public:
  PaintedControl(TQuarrionCanvas& canvas, int width, int height) : canvas_(canvas) {
    host_.resize(width, height);
    host_.SetCanvas(&canvas);
    canvas.DoubleBuffered = true;
  }
  ~PaintedControl() { host_.SetCanvas(nullptr); }
  QImage Paint() {
    canvas_.Repaint();
    return host_.Frame().copy();
  }

 private:
  TQuarrionCanvas& canvas_;
  QtCanvasHost host_;
};

QString ReferencePath(const QString& name) { return QString(QUARRION_PLATFORM_DATA) + "/" + name; }

// The number of pixels that differ from the recorded picture (all of them when it is missing
// or of another size); with recording switched on, records instead and reports none.
int DifferenceFromReference(const QImage& painted, const QString& name) {
  const QByteArray record = qgetenv("QUARRION_RECORD_PAINT_REFERENCES");
  if (!record.isEmpty()) {
    painted.save(QDir(QString::fromLocal8Bit(record)).filePath(name), "PNG");
    return 0;
  }
  const QImage reference = QImage(ReferencePath(name)).convertToFormat(QImage::Format_RGB32);
  if (reference.size() != painted.size()) return painted.width() * painted.height();
  int differing = 0;
  for (int y = 0; y < painted.height(); ++y)
    for (int x = 0; x < painted.width(); ++x)
      differing += (reference.pixel(x, y) & 0xFFFFFF) != (painted.pixel(x, y) & 0xFFFFFF);
  return differing;
}

TPDFRectangle& boxAt(TQuarrionCanvas& canvas, int index) {
  return static_cast<TPDFRectangle&>(*canvas.CurrentPage().Objects[std::size_t(index)]);
}

struct Fixture {
  QTemporaryDir dir;
  TQuarrionCanvas canvas;
  Fixture() { BuildBusyPage(canvas, WritePicture(dir)); }
};

}  // namespace

TEST(WorkAreaPaint, BusyPageIsPaintedPixelForPixelAsRecorded) {
  // 480 x 360 shows the page at zoom 1000, 700 x 500 at 1388: rounding at another scale.
  struct Case {
    int width, height;
    const char* reference;
  } cases[] = {{480, 360, "paint_busy_480.png"}, {700, 500, "paint_busy_700.png"}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.reference);
    Fixture f;
    PaintedControl control(f.canvas, c.width, c.height);
    const QImage first = control.Paint();
    EXPECT_EQ(DifferenceFromReference(first, c.reference), 0);
    // The second paint starts from what the first one remembered.
    EXPECT_EQ(DifferenceFromReference(control.Paint(), c.reference), 0);
  }
}

TEST(WorkAreaPaint, SlidePictureAndShowArePixelForPixelAsRecorded) {
  struct Case {
    int width;
    TDrawMode mode;
    const char* reference;
  } cases[] = {{640, TDrawMode::Show, "paint_show_640.png"},
               {500, TDrawMode::WorkArea, "paint_slide_500.png"}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.reference);
    Fixture f;
    EXPECT_EQ(DifferenceFromReference(RenderSlideToImage(f.canvas, 1, c.width, c.mode), c.reference), 0);
    // Drawn twice from the same document: the same picture again.
    EXPECT_EQ(DifferenceFromReference(RenderSlideToImage(f.canvas, 1, c.width, c.mode), c.reference), 0);
  }
}

TEST(WorkAreaPaint, EditsAfterAPaintShowInTheNextPaint) {
  // Each edit made after a paint must give the picture a document that had the edit from
  // the start gives on its first paint, when nothing has been remembered yet.
  using Edit = void (*)(TQuarrionCanvas&);
  struct Case {
    const char* what;
    Edit edit;
  } cases[] = {
      {"gradient end colour", [](TQuarrionCanvas& c) { boxAt(c, 0).Gradient()->End.Colour = 0x00FF00; }},
      {"gradient start moved", [](TQuarrionCanvas& c) { boxAt(c, 0).Gradient()->Start.X = 0.5; }},
      {"gradient start not extended", [](TQuarrionCanvas& c) {
         auto* g = boxAt(c, 0).Gradient();
         g->Start.X = 0.4;
         g->Start.Extend = false;
       }},
      {"gradient made radial", [](TQuarrionCanvas& c) { boxAt(c, 6).Gradient()->ShadingType = 3; }},
      {"radial radius", [](TQuarrionCanvas& c) { boxAt(c, 3).Gradient()->End.Radius = 0.2; }},
      {"gradient box resized", [](TQuarrionCanvas& c) { boxAt(c, 0).Right += 9; }},
      {"gradient box moved", [](TQuarrionCanvas& c) {
         boxAt(c, 0).Left += 5;
         boxAt(c, 0).Right += 5;
       }},
      {"fill colour", [](TQuarrionCanvas& c) { boxAt(c, 1).FillColour = 0x123456; }},
      {"outline colour", [](TQuarrionCanvas& c) { boxAt(c, 1).OutlineColour = 0x00FFFF; }},
      {"text", [](TQuarrionCanvas& c) {
         static_cast<TPDFText&>(*c.CurrentPage().Objects[32]).SetText("Other <i>words</i>");
       }},
      {"text colour", [](TQuarrionCanvas& c) {
         static_cast<TPDFText&>(*c.CurrentPage().Objects[33]).TextColour = 0x00A000;
       }},
      {"picture's transparent colour", [](TQuarrionCanvas& c) {
         static_cast<TPDFImage&>(*c.CurrentPage().Objects[35]).SetTransparentColour(RGBColour(60, 80, 160));
       }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    Fixture edited;
    PaintedControl control(edited.canvas, 480, 360);
    const QImage before = control.Paint();
    c.edit(edited.canvas);
    const QImage after = control.Paint();

    Fixture fresh;
    c.edit(fresh.canvas);
    PaintedControl freshControl(fresh.canvas, 480, 360);
    EXPECT_NE(after, before);
    EXPECT_EQ(after, freshControl.Paint());
  }
}
