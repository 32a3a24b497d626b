// On a screen of twice the density (QT_SCALE_FACTOR=2, its own CTest entry) the work area
// draws one picture pixel per device pixel and reads the pointer in logical pixels.
#include <QApplication>
#include <QTest>

#include "app/work_area_widget.h"
#include "app_test_support.h"
#include "model/quarrion_canvas.h"
#include "objects/rectangle.h"

class HighDensityTest : public QObject {
  Q_OBJECT
 private slots:
  void drawsAtDevicePixelsAndPicksInLogicalOnes() {
    TestWindow t;
    MainWindow& w = *t.Window;
    w.Start({});
    w.resize(1000, 700);
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    WorkAreaWidget* area = w.WorkAreaControl();
    if (area->devicePixelRatioF() != 2.0) QSKIP("needs QT_SCALE_FACTOR=2");
    area->setFixedSize(240, 180);
    QApplication::processEvents();
    // 480 x 360 device pixels show the 432 x 324 page at zoom 1000, offset (24, 18).
    QCOMPARE(area->Frame().size(), QSize(480, 360));
    TPDFObject* box = w.WorkArea().Add(std::make_unique<TPDFRectangle>(100, 100, 200, 160));
    w.WorkArea().ClearSelectionQuietly();
    // Page point (150, 130) is device pixel (174, 148), logical (87, 74).
    QTest::mousePress(area, Qt::LeftButton, {}, QPoint(87, 74));
    QCOMPARE(w.WorkArea().Selection().size(), std::size_t(1));
    for (int dx : {10, 20}) {
      QMouseEvent move(QEvent::MouseMove, QPointF(87 + dx, 74), area->mapToGlobal(QPointF(87 + dx, 74)),
                       Qt::NoButton, Qt::LeftButton, {});
      QApplication::sendEvent(area, &move);
    }
    QTest::mouseRelease(area, Qt::LeftButton, {}, QPoint(107, 74));
    // 20 logical pixels are 40 device pixels, 40 points at this zoom.
    QCOMPARE(box->Left, 140);
  }
};

REGISTER_APP_TEST(HighDensityTest);
#include "high_density_test.moc"
