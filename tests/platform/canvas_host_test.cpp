// The work-area widget: the cached picture of the control, selection handles, and drag
// feedback drawn over the picture and taken off again without a repaint.
#include <gtest/gtest.h>

#include <QApplication>
#include <QMouseEvent>
#include <qpa/qwindowsysteminterface.h>
#include <memory>

#include "model/quarrion_canvas.h"
#include "objects/rectangle.h"
#include "platform/qt/widgets/qt_canvas_host.h"

namespace {
TColor At(const QImage& image, int x, int y) {
  QRgb p = image.pixel(x, y);
  return RGBColour(qRed(p), qGreen(p), qBlue(p));
}

// A 480 x 360 widget shows the default page at zoom 1000: pixel = page point + (24, 18).
class CanvasHostTest : public ::testing::Test {
 protected:
  CanvasHostTest() {
    host.resize(480, 360);
    host.SetCanvas(&canvas);
    canvas.DoubleBuffered = true;
    box = canvas.Add(std::make_unique<TPDFRectangle>(100, 100, 200, 160));
    static_cast<TPDFRectangle*>(box)->FillColour = 0x0000FF;
    canvas.ClearSelectionQuietly();
  }
  ~CanvasHostTest() override { host.SetCanvas(nullptr); }

  void Send(QEvent::Type type, int px, int py, Qt::MouseButton button = Qt::LeftButton) {
    Qt::MouseButtons held = type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::MouseButtons(button);
    QMouseEvent e(type, QPointF(px, py), host.mapToGlobal(QPointF(px, py)), button, held, Qt::NoModifier);
    QApplication::sendEvent(&host, &e);
  }

  TQuarrionCanvas canvas;
  QtCanvasHost host;
  TPDFObject* box = nullptr;
};
}  // namespace

TEST_F(CanvasHostTest, FrameShowsPageObjectsAndSelectionHandles) {
  QImage frame = host.Frame();
  ASSERT_EQ(frame.size(), QSize(480, 360));
  EXPECT_EQ(At(frame, 24 + 150, 18 + 130), 0x0000FFu);  // inside the box
  EXPECT_EQ(At(frame, 24 + 50, 18 + 50), 0xFFFFFFu);    // the page
  EXPECT_EQ(At(frame, 5, 5), At(frame, 475, 355));      // the control around it

  canvas.AddToSelection(0);
  canvas.Repaint();
  frame = host.Frame();
  // An 8 x 8 cyan handle centred on each corner, with a black border.
  EXPECT_EQ(At(frame, 24 + 100 - 2, 18 + 100 - 2), 0xFFFF00u);
  EXPECT_EQ(At(frame, 24 + 200 + 2, 18 + 160 + 2), 0xFFFF00u);
  EXPECT_EQ(At(frame, 24 + 100 - 4, 18 + 100 - 4), 0u);
}

TEST_F(CanvasHostTest, DragFeedbackIsDrawnOverTheCachedPictureAndTakenOff) {
  const QImage before = host.Frame().copy();
  Send(QEvent::MouseButtonPress, 24 + 150, 18 + 130);
  const QImage selected = host.Frame().copy();
  EXPECT_NE(selected, before);  // the handles appeared
  Send(QEvent::MouseMove, 24 + 170, 18 + 140);
  const QImage dragging = host.Frame().copy();
  // Only the feedback frame changed: the box itself is still drawn where it was.
  EXPECT_EQ(At(dragging, 24 + 150, 18 + 130), 0x0000FFu);
  int changed = 0;
  for (int y = 0; y < 360; ++y)
    for (int x = 0; x < 480; ++x) changed += dragging.pixel(x, y) != selected.pixel(x, y);
  EXPECT_GT(changed, 100);
  EXPECT_LT(changed, 2 * (100 + 60) + 10);
  Send(QEvent::MouseMove, 24 + 150, 18 + 130);  // back to the start
  EXPECT_EQ(host.Frame(), selected);
  Send(QEvent::MouseMove, 24 + 190, 18 + 150);
  Send(QEvent::MouseButtonRelease, 24 + 190, 18 + 150);
  EXPECT_EQ(box->Left, 140);
  EXPECT_EQ(box->Top, 120);
  canvas.Repaint();  // as the main window does on OnObjectChanged
  EXPECT_EQ(At(host.Frame(), 24 + 185, 18 + 150), 0x0000FFu);
}

TEST_F(CanvasHostTest, RubberBandIsDrawnOnTheRepaintedPicture) {
  Send(QEvent::MouseButtonPress, 24 + 20, 18 + 20);
  Send(QEvent::MouseMove, 24 + 60, 18 + 60);
  Send(QEvent::MouseMove, 24 + 250, 18 + 200);  // takes the box in: repaint, then the band
  EXPECT_EQ(canvas.Selection(), (TPDFSelection{0}));
  Send(QEvent::MouseMove, 24 + 260, 18 + 210);
  const QImage during = host.Frame().copy();
  Send(QEvent::MouseButtonRelease, 24 + 260, 18 + 210);
  const QImage after = host.Frame().copy();
  // Before the release the picture was the clean one plus exactly the last band: a
  // dotted outline of 241 x 191 pixels.
  int band = 0;
  for (int y = 0; y < 360; ++y)
    for (int x = 0; x < 480; ++x) band += during.pixel(x, y) != after.pixel(x, y);
  EXPECT_NEAR(band, (241 + 191) * 2 / 2, 6);
  canvas.Repaint();
  EXPECT_EQ(host.Frame(), after);
}

TEST_F(CanvasHostTest, ZeroSizedWidgetPaintsAndClicksSafely) {
  host.resize(0, 0);
  EXPECT_FALSE(host.Frame().isNull());
  Send(QEvent::MouseButtonPress, 0, 0);
  Send(QEvent::MouseButtonRelease, 0, 0);
  EXPECT_EQ(canvas.ZoomX, 0);
  EXPECT_EQ(box->Left, 100);
}

// Saves and exports let messages run between pages; a click must wait until they are done.
TEST_F(CanvasHostTest, ProcessMessagesHoldsBackUserInput) {
  host.show();
  ASSERT_TRUE(host.windowHandle());
  QCoreApplication::processEvents();  // the window is shown and placed
  int presses = 0, queued = 0;
  canvas.OnMouseDown = [&](TMouseButton, TShiftState, int, int) { ++presses; };
  // A click queued the way the window system hands it over, and a message of the program.
  QWindowSystemInterface::handleMouseEvent<QWindowSystemInterface::AsynchronousDelivery>(
      host.windowHandle(), QPointF(150, 130), host.mapToGlobal(QPointF(150, 130)), Qt::LeftButton,
      Qt::LeftButton, QEvent::MouseButtonPress);
  QMetaObject::invokeMethod(&host, [&] { ++queued; }, Qt::QueuedConnection);
  host.ProcessMessages();
  EXPECT_EQ(queued, 1);  // other messages do run
  EXPECT_EQ(presses, 0);
  // The click was only held back: it arrives once input is let through again.
  QWindowSystemInterface::flushWindowSystemEvents();
  EXPECT_EQ(presses, 1);
  QWindowSystemInterface::handleMouseEvent<QWindowSystemInterface::SynchronousDelivery>(
      host.windowHandle(), QPointF(150, 130), host.mapToGlobal(QPointF(150, 130)), Qt::NoButton,
      Qt::LeftButton, QEvent::MouseButtonRelease);
}
