// quarrion_show_bench: how long a key takes to put the next slide on screen in a slide
// show of the 255-page benchmark deck, with the neighbours drawn ahead, beside what the
// same key costs when the slide is drawn only when asked for. Runs on any Qt platform
// (QT_QPA_PLATFORM=offscreen for a machine without a display).
#include <QApplication>
#include <QTest>
#include <cstdio>

#include "app/slide_show_window.h"
#include "bench_deck.h"
#include "bench_timing.h"
#include "model/quarrion_canvas.h"
#include "platform/qt/gui/slide_renderer.h"

namespace {
constexpr int kKeys = 60;
}

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  TQuarrionCanvas document;
  BuildCanvas(MakeBenchDeck(), document);
  SlideShowWindow show(document, 0);
  show.OpenUrl = [](const QUrl&) {};
  show.setFixedSize(1280, 960);
  show.show();
  if (!QTest::qWaitForWindowExposed(&show)) return 1;
  const int width = show.SlideRect().width();

  std::vector<double> ahead, cold;
  for (int i = 0; i < kKeys; ++i) {
    QApplication::processEvents();  // the neighbours are drawn between keys
    show.RenderAhead();
    const int next = show.Navigator().PageOf(show.Navigator().Slide() + 1);
    ahead.push_back(MedianSeconds(1, [&] {
      QTest::keyClick(&show, Qt::Key_Right);
      show.repaint();  // painted into the window's backing store, on screen at the next flush
    }));
    cold.push_back(MedianSeconds(1, [&] { RenderSlideToImage(document, next, width, TDrawMode::Show); }));
  }
  std::sort(ahead.begin(), ahead.end());
  std::sort(cold.begin(), cold.end());
  const double a = ahead[ahead.size() / 2] * 1000, c = cold[cold.size() / 2] * 1000;
  std::printf("Slide show, %d slides, %d px wide, median of %d keys:\n", document.SlideCount(), width, kKeys);
  std::printf("  key to slide on screen, drawn ahead:   %8.3f ms (%.2f of a 60 Hz frame)\n", a, a / 16.667);
  std::printf("  drawing the slide when the key comes:  %8.3f ms (%.1fx)\n", c, c / a);
  std::printf("  slowest key drawn ahead:               %8.3f ms\n", ahead.back() * 1000);
  std::printf("figure: show-key-ms %.4f\n", a);
  return 0;
}
