// The slide show window: its keys, blank screens, typed numbers, links, the way back to
// the designer, and what it draws compared with a PDF viewer's picture of the same slide.
#include <QAction>
#include <QMenu>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QToolBar>
#include <cmath>
#include <fstream>

#include "app/action_ids.h"
#include "app/show_commands.h"
#include "app/slide_show_window.h"
#include "app_test_support.h"
#include "model/quarrion_canvas.h"
#include "objects/annot.h"
#include "objects/line.h"
#include "objects/rectangle.h"

namespace {
TPDFRectangle* Box(TQuarrionCanvas& doc, int page, TRect r, TColor fill) {
  doc.SetPage(page);
  auto box = std::make_unique<TPDFRectangle>(r.Left, r.Top, r.Right, r.Bottom);
  box->FillColour = fill;
  box->OutlineColour = fill;
  return static_cast<TPDFRectangle*>(doc.Add(std::move(box)));
}

void Link(TQuarrionCanvas& doc, int page, int kind, int destination, int left) {
  doc.SetPage(page);
  auto link = std::make_unique<TPDFAnnot>(left, 250, left + 40, 290);
  link->LinkKind = kind;
  link->Destination.Page = destination;
  doc.Add(std::move(link));
}

// Pages: 0 slide, 1 master, 2..6 slides (slides 0..5). The master carries a "next page"
// link at x 10; slide page 2 has an absolute jump to slide 4 at x 100, a "last slide"
// link at x 200 and a "previous page" link at x 300.
struct Deck {
  Deck() {
    doc.DocumentInfo.Background = 0xFF8040;  // blue-ish: (0x40, 0x80, 0xFF)
    doc.AddPage(1, true, true);
    for (int p = 2; p <= 6; ++p) doc.AddPage(p, true, false);
    Link(doc, 1, 1, +1, 10);
    Link(doc, 2, 0, 4, 100);
    Link(doc, 2, 0, -1, 200);
    Link(doc, 2, 1, -1, 300);
    doc.SetPage(0);
  }
  TQuarrionCanvas doc;
};

// A show of the deck in an 800 x 600 window: the 4:3 page fills it exactly.
struct Show {
  explicit Show(TQuarrionCanvas& doc, int start = 0) : window(new SlideShowWindow(doc, start)) {
    window->OpenUrl = [this](const QUrl& url) { opened << url; };
    window->setFixedSize(800, 600);
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window));
  }
  ~Show() { delete window; }
  int Slide() const { return window->Navigator().Slide(); }
  QRgb Centre() const { return window->grab().toImage().pixel(400, 300); }
  void Click(int x, int y) {
    const QRect r = window->SlideRect();
    QTest::mouseClick(window, Qt::LeftButton, {}, QPoint(r.x() + (x * r.width() + r.width() / 2) / 432,
                                                        r.y() + (y * r.height() + r.height() / 2) / 324));
  }
  SlideShowWindow* window;
  QList<QUrl> opened;
};
}  // namespace

class SlideShowTest : public QObject {
  Q_OBJECT
 private slots:
  void KeysMoveThroughTheDeck() {
    struct Case {
      const char* Name;
      int Key;
      int Slide;  // from slide 2
    };
    const Case cases[] = {
        {"Right", Qt::Key_Right, 3},       {"Down", Qt::Key_Down, 3},
        {"Page Down", Qt::Key_PageDown, 3}, {"Space", Qt::Key_Space, 3},
        {"Enter", Qt::Key_Return, 3},      {"keypad Enter", Qt::Key_Enter, 3},
        {"Left", Qt::Key_Left, 1},         {"Up", Qt::Key_Up, 1},
        {"Page Up", Qt::Key_PageUp, 1},    {"Backspace", Qt::Key_Backspace, 1},
        {"Home", Qt::Key_Home, 0},         {"End", Qt::Key_End, 5},
        {"a letter", Qt::Key_Q, 2},
    };
    for (const Case& c : cases) {
      Deck deck;
      Show show(deck.doc, 2);
      QTest::keyClick(show.window, Qt::Key(c.Key));
      QVERIFY2(show.Slide() == c.Slide, c.Name);
    }
    Deck deck;
    Show show(deck.doc, 5);
    QTest::mouseClick(show.window, Qt::LeftButton, {}, QPoint(400, 100));
    QCOMPARE(show.Slide(), 5);  // the last slide stays
    QTest::keyClick(show.window, Qt::Key_Home);
    QTest::mouseClick(show.window, Qt::LeftButton, {}, QPoint(400, 100));
    QCOMPARE(show.Slide(), 1);  // a click outside a link is next
  }

  void BlankScreensAndTypedNumber() {
    Deck deck;
    Show show(deck.doc, 1);
    QCOMPARE(show.Centre(), qRgb(0x40, 0x80, 0xFF));
    struct Case {
      const char* Name;
      QChar Key;
      QRgb Colour;
    };
    const Case cases[] = {{"B", QChar('b'), qRgb(0, 0, 0)},
                          {".", QChar('.'), qRgb(0, 0, 0)},
                          {"W", QChar('w'), qRgb(255, 255, 255)},
                          {",", QChar(','), qRgb(255, 255, 255)}};
    for (const Case& c : cases) {
      QTest::keyClick(show.window, c.Key.toLatin1());
      QVERIFY2(show.Centre() == c.Colour, c.Name);
      QTest::keyClick(show.window, Qt::Key_Right);  // any key returns, and only returns
      QVERIFY2(show.Centre() == qRgb(0x40, 0x80, 0xFF), c.Name);
      QCOMPARE(show.Slide(), 1);
    }
    QTest::keyClick(show.window, Qt::Key_5);
    QTest::keyClick(show.window, Qt::Key_Return);
    QCOMPARE(show.Slide(), 4);
    QCOMPARE(show.window->Navigator().PageIndex(), 5);
    QTest::keyClick(show.window, Qt::Key_1);
    QTest::keyClick(show.window, Qt::Key_Enter);
    QCOMPARE(show.Slide(), 0);
  }

  void JumpLinks() {
    struct Case {
      const char* Name;
      int X;
      int Slide;
    };
    // From slide 1 (page 2).
    const Case cases[] = {{"absolute", 110, 4}, {"last slide", 210, 5}, {"relative back", 310, 0},
                          {"master's next", 20, 2}, {"no link there", 400, 2}};
    for (const Case& c : cases) {
      Deck deck;
      Show show(deck.doc, 1);
      show.Click(c.X, 270);
      QVERIFY2(show.Slide() == c.Slide, c.Name);
      QVERIFY(show.opened.isEmpty());
    }
  }

  void MasterLinkOnTwoSlides() {
    Deck deck;
    Show show(deck.doc, 1);
    show.Click(20, 270);
    QCOMPARE(show.Slide(), 2);
    show.Click(20, 270);  // the same link on the next slide leads one further
    QCOMPARE(show.Slide(), 3);
    show.Click(20, 270);
    QCOMPARE(show.Slide(), 4);
    QTest::keyClick(show.window, Qt::Key_Home);
    show.Click(20, 270);  // slide 0 comes before the master: no link, a plain next
    QCOMPARE(show.Slide(), 1);
  }

  void WebAndFileLinksOpenOutside() {
    Deck deck;
    deck.doc.SetPage(3);
    auto web = std::make_unique<TPDFAnnot>(100, 100, 140, 140);
    web->LinkKind = 2;
    web->Target = "example.org";
    deck.doc.Add(std::move(web));
    auto file = std::make_unique<TPDFAnnot>(200, 100, 240, 140);
    file->LinkKind = 3;
    file->Target = "notes.pdf";
    deck.doc.Add(std::move(file));
    Show show(deck.doc, 2);
    show.window->LinkFolder = QStringLiteral("/talks");
    const QRect r = show.window->SlideRect();
    const QPoint overWeb(r.x() + 120 * r.width() / 432, r.y() + 120 * r.height() / 324);
    QTest::mouseMove(show.window, overWeb);
    QCOMPARE(show.window->cursor().shape(), Qt::PointingHandCursor);
    QTest::mouseMove(show.window, QPoint(r.x() + 5, r.y() + 5));
    QCOMPARE(show.window->cursor().shape(), Qt::ArrowCursor);
    show.Click(120, 120);
    show.Click(220, 120);
    QCOMPARE(show.opened, (QList<QUrl>{QUrl(QStringLiteral("http://example.org")),
                                       QUrl::fromLocalFile(QStringLiteral("/talks/notes.pdf"))}));
    QCOMPARE(show.Slide(), 2);
  }

  void EscapeReturnsToTheSlideShown() {
    const QString path = WriteDeck(QStringLiteral("show.qsl"), 5);
    TestWindow t;
    t.Window->Start({path});
    QCOMPARE(t.Window->WorkArea().PageCount(), 5);
    ActionRegistry& actions = t.Window->Actions();
    QAction* start = actions.Action(QString::fromLatin1(ActionId::SlideShowStart));
    QAction* current = actions.Action(QString::fromLatin1(ActionId::SlideShowCurrent));
    QCOMPARE(start->shortcut(), QKeySequence(Qt::Key_F9));
    QCOMPARE(current->shortcut(), QKeySequence(Qt::SHIFT | Qt::Key_F9));
    QVERIFY(actions.Menu(QString::fromLatin1(MenuId::Slide))->actions().contains(start));
    QVERIFY(actions.Menu(QString::fromLatin1(MenuId::Slide))->actions().contains(current));
    QVERIFY(t.Window->findChild<QToolBar*>(QStringLiteral("DockingToolbar"))->actions().contains(start));

    t.Window->WorkArea().SetPage(3);
    current->trigger();
    SlideShowWindow* show = t.Window->Show().Show();
    QVERIFY(show);
    QCOMPARE(show->Navigator().Slide(), 3);
    QVERIFY(show->isFullScreen());
    QTest::keyClick(show, Qt::Key_Left);
    QTest::keyClick(show, Qt::Key_Left);
    QTest::keyClick(show, Qt::Key_Escape);
    QTRY_VERIFY(!t.Window->Show().Show());
    QCOMPARE(t.Window->WorkArea().Page(), 1);

    start->trigger();
    show = t.Window->Show().Show();
    QVERIFY(show);
    QCOMPARE(show->Navigator().Slide(), 0);
    QTest::keyClick(show, Qt::Key_End);
    QTest::keyClick(show, Qt::Key_Escape);
    QTRY_VERIFY(!t.Window->Show().Show());
    QCOMPARE(t.Window->WorkArea().Page(), 4);
  }

  void NeighboursAreDrawnAhead() {
    Deck deck;
    Show show(deck.doc, 2);
    QTRY_VERIFY(show.window->IsRendered(2) && show.window->IsRendered(4));
    QTest::keyClick(show.window, Qt::Key_Right);
    QTRY_VERIFY(show.window->IsRendered(5));
    QVERIFY(!show.window->IsRendered(2));  // only the neighbours are kept
  }

  // The show and a PDF viewer (poppler's pdftoppm) draw the same slide alike.
  void LooksLikeThePdf() {
    Deck deck;
    TQuarrionCanvas& doc = deck.doc;
    Box(doc, 1, {20, 20, 412, 60}, 0x00C000);      // master: a green band
    Box(doc, 3, {60, 100, 260, 220}, 0x2020E0);    // the slide's own: red
    Box(doc, 3, {200, 160, 400, 300}, 0xFFFFFF);   // white over it
    doc.SetPage(3);
    auto line = std::make_unique<TPDFLine>(40, 80, 380, 300);
    line->LineWidth = 4;
    doc.Add(std::move(line));
    doc.SetPage(0);
    std::string pdf;
    doc.GeneratePDF(pdf);
    QTemporaryDir dir;
    const QString pdfPath = dir.filePath(QStringLiteral("deck.pdf"));
    std::ofstream(pdfPath.toStdString(), std::ios::binary) << pdf;
    // Page 3 is slide 2, the third page of the PDF.
    QProcess ppm;
    ppm.start(QStringLiteral("pdftoppm"), {QStringLiteral("-png"), QStringLiteral("-singlefile"),
                                          QStringLiteral("-f"), QStringLiteral("3"), QStringLiteral("-l"),
                                          QStringLiteral("3"), QStringLiteral("-scale-to-x"), QStringLiteral("800"),
                                          QStringLiteral("-scale-to-y"), QStringLiteral("600"), pdfPath,
                                          dir.filePath(QStringLiteral("slide"))});
    QVERIFY(ppm.waitForFinished(30000));
    QCOMPARE(ppm.exitCode(), 0);
    const QImage reference(dir.filePath(QStringLiteral("slide.png")));
    QCOMPARE(reference.size(), QSize(800, 600));

    Show show(doc, 2);
    const QImage shown = show.window->grab().toImage().convertToFormat(QImage::Format_RGB32);
    QCOMPARE(shown.size(), QSize(800, 600));
    // Edges fall on different pixels in the two; the areas must agree.
    // The master's link (page points 10..50 x 250..290) is invisible in the PDF: the
    // show must not draw the editor's link frame there.
    const QRect linkArea(10 * 800 / 432, 250 * 600 / 324, 40 * 800 / 432, 40 * 600 / 324);
    long long total = 0;
    int far = 0, farOnLink = 0;
    for (int y = 0; y < 600; ++y)
      for (int x = 0; x < 800; ++x) {
        const QRgb a = shown.pixel(x, y), b = reference.pixel(x, y);
        const int d = std::max({std::abs(qRed(a) - qRed(b)), std::abs(qGreen(a) - qGreen(b)),
                                std::abs(qBlue(a) - qBlue(b))});
        total += d;
        if (d > 64) ++far;
        if (d > 64 && linkArea.contains(x, y)) ++farOnLink;
      }
    QCOMPARE(farOnLink, 0);
    const double mean = double(total) / (800.0 * 600.0);
    QVERIFY2(mean < 1.0, qPrintable(QStringLiteral("mean difference %1").arg(mean)));
    QVERIFY2(far < 800 * 600 / 200, qPrintable(QStringLiteral("%1 pixels differ").arg(far)));
  }
};

REGISTER_APP_TEST(SlideShowTest);
#include "slide_show_test.moc"
