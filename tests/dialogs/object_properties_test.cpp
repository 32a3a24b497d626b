// Object Properties: copies edited together, applied on OK, untouched on Cancel; the link,
// picture, guide and text pages' own rules.
#include <QCheckBox>
#include <QComboBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>

#include "dialog_tests.h"
#include "dialogs/gradient_props_dialog.h"
#include "dialogs/object_properties_dialog.h"
#include "model/quarrion_canvas.h"
#include "objects/annot.h"
#include "objects/gradient.h"
#include "objects/guide.h"
#include "objects/image.h"
#include "objects/line.h"
#include "objects/rectangle.h"
#include "platform/qt/widgets/qt_canvas_host.h"
#include "text/text.h"

namespace {
// Puts `obj` on `main`'s current page and adds it to the selection.
template <typename T>
T* Place(TQuarrionCanvas& main, std::unique_ptr<T> obj) {
  const TPDFSelection before = main.Selection();
  T* placed = static_cast<T*>(main.Add(std::move(obj)));
  const int index = int(main.CurrentPage().Objects.size()) - 1;
  main.ClearSelectionQuietly();
  for (int i : before) main.AddToSelection(i);
  main.AddToSelection(index);
  return placed;
}

// Replaces a field's text as a person would: select all, type over it.
void Retype(QWidget* field, const QString& text) {
  field->setFocus();
  QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
  QTest::keyClicks(field, text);
}

void Press(TForm2& dialog, const char* button) {
  QTest::mouseClick(Child<QPushButton>(dialog, button), Qt::LeftButton);
}

// Drags in the preview from page point `from` by (dx, dy) screen pixels.
void DragInPreview(TForm2& dialog, TPoint from, int dx, int dy) {
  QtCanvasHost* host = dialog.PreviewHost();
  host->Frame();  // the scale the press is read with
  const TPoint at = dialog.Preview().PageToScreen(from.X, from.Y);
  const QPoint start(at.X, at.Y);
  QTest::mousePress(host, Qt::LeftButton, {}, start);
  QMouseEvent move(QEvent::MouseMove, QPointF(start + QPoint(dx, dy)), QPointF(host->mapToGlobal(start + QPoint(dx, dy))),
                   Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(host, &move);
  QTest::mouseRelease(host, Qt::LeftButton, {}, start + QPoint(dx, dy));
}
}  // namespace

class ObjectPropertiesTest : public QObject {
  Q_OBJECT
 private slots:
  void TwoRectanglesAreEditedAtOnce() {
    TQuarrionCanvas main;
    auto* a = Place(main, std::make_unique<TPDFRectangle>(10, 10, 60, 40));
    auto* b = Place(main, std::make_unique<TPDFRectangle>(100, 100, 200, 150));
    a->LineWidth = 1;
    b->LineWidth = 5;  // differs from the first: only the first fills the page
    TForm2 dialog;
    dialog.Services().RunColourDialog = [](TGradProps& colours) {
      colours.SetColour(0x00FF00);
      return true;
    };
    dialog.Fill(main);
    dialog.show();
    QCOMPARE(dialog.CurrentPanel()->objectName(), QString("PropPanel_Rect"));
    QCOMPARE(Child<QLineEdit>(dialog, "Rect_Thickness")->text(), QString("1"));
    ClickBox(Child<QCheckBox>(dialog, "Rect_Shadow"));
    Retype(Child<QLineEdit>(dialog, "Rect_Thickness"), "3");
    QTest::mouseClick(Child<QPushButton>(dialog, "Rect_OutlineColour"), Qt::LeftButton);
    // Both copies show the change at once, before OK.
    for (TPDFObject* copy : dialog.Copies()) {
      auto* r = static_cast<TPDFRectangle*>(copy);
      QVERIFY(r->Shadow);
      QCOMPARE(r->LineWidth, 3.0);
      QCOMPARE(r->OutlineColour, TColor(0x00FF00));
    }
    QVERIFY(!a->Shadow && !b->Shadow);  // the document waits for OK
    Press(dialog, "OK");
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    dialog.ApplyTo(main);
    for (auto* r : {a, b}) {
      QVERIFY(r->Shadow);
      QCOMPARE(r->LineWidth, 3.0);
      QCOMPARE(r->OutlineColour, TColor(0x00FF00));
    }
    QCOMPARE(b->Right, 200);  // each keeps its own place
  }

  void MixedSelectionHasNoPageButItsMovesApply() {
    TQuarrionCanvas main;
    auto* line = Place(main, std::make_unique<TPDFLine>(20, 20, 200, 20));
    auto* text = Place(main, std::make_unique<TPDFText>(TTextFont{}, "Hello", 50, 100, 250, 160));
    TForm2 dialog;
    dialog.resize(700, 450);
    dialog.Fill(main);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    QCOMPARE(dialog.CurrentPanel(), nullptr);
    QVERIFY(!Child<QWidget>(dialog, "PropPanel_Rect")->isVisible());
    // Showing selected both copies, so one drag moves them together.
    QCOMPARE(dialog.Preview().Selection().size(), std::size_t(2));
    DragInPreview(dialog, {120, 130}, 30, 20);
    const int dx = dialog.Copies()[1]->Left - 50, dy = dialog.Copies()[1]->Top - 100;
    QVERIFY(dx > 0 && dy > 0);
    QCOMPARE(dialog.Copies()[0]->Left - 20, dx);
    Press(dialog, "OK");
    dialog.ApplyTo(main);
    QCOMPARE(text->Left, 50 + dx);
    QCOMPARE(text->Top, 100 + dy);
    QCOMPARE(line->Left, 20 + dx);
    QCOMPARE(line->Top, 20 + dy);
  }

  void CancelLeavesEverythingAsItWas() {
    TQuarrionCanvas main;
    auto* a = Place(main, std::make_unique<TPDFRectangle>(10, 10, 60, 40));
    auto* b = Place(main, std::make_unique<TPDFRectangle>(100, 100, 200, 150));
    const std::string savedA = a->SaveToString(), savedB = b->SaveToString();
    TForm2 dialog;
    dialog.resize(700, 450);
    dialog.Fill(main);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    ClickBox(Child<QCheckBox>(dialog, "Rect_Fill"));
    Retype(Child<QLineEdit>(dialog, "Rect_ShadowX"), "9");
    DragInPreview(dialog, {30, 25}, 25, 25);
    QVERIFY(dialog.Copies()[0]->Left != 10);  // the copies did change
    Press(dialog, "Cancel");
    QCOMPARE(dialog.result(), int(QDialog::Rejected));
    QCOMPARE(a->SaveToString(), savedA);
    QCOMPARE(b->SaveToString(), savedB);
    QCOMPARE(main.CurrentPage().Objects.size(), std::size_t(2));
  }

  void OneUndoAfterOkRestoresEveryObject() {
    TQuarrionCanvas main;
    auto* a = Place(main, std::make_unique<TPDFRectangle>(10, 10, 60, 40));
    auto* b = Place(main, std::make_unique<TPDFRectangle>(100, 100, 200, 150));
    main.Undoable = true;
    const std::string savedA = a->SaveToString(), savedB = b->SaveToString();
    TForm2 dialog;
    main.StartUndo();  // what the Object Properties command does around the dialog
    dialog.Fill(main);
    dialog.show();
    ClickBox(Child<QCheckBox>(dialog, "Rect_Outline"));
    Retype(Child<QLineEdit>(dialog, "Rect_ShadowY"), "7");
    Press(dialog, "OK");
    dialog.ApplyTo(main);
    main.EndUndo();
    QVERIFY(a->SaveToString() != savedA && b->SaveToString() != savedB);
    main.Undo();
    QCOMPARE(a->SaveToString(), savedA);
    QCOMPARE(b->SaveToString(), savedB);
  }

  void LastPageIsStoredAsMinusOneAndShownAgain() {
    TQuarrionCanvas main;
    auto* link = Place(main, std::make_unique<TPDFAnnot>(10, 10, 60, 40));
    link->LinkKind = 1;
    link->Destination.Page = 3;
    TForm2 dialog;
    dialog.Fill(main);
    dialog.show();
    ClickBox(Child<QRadioButton>(dialog, "Annot_Last"));
    Press(dialog, "OK");
    dialog.ApplyTo(main);
    QCOMPARE(link->LinkKind, 0);
    QCOMPARE(link->Destination.Page, -1);
    dialog.Fill(main);
    QVERIFY(Child<QRadioButton>(dialog, "Annot_Last")->isChecked());
    QCOMPARE(Child<QComboBox>(dialog, "Annot_Type")->currentIndex(), 0);
    QVERIFY(!Child<QLineEdit>(dialog, "Annot_Page")->isEnabled());
  }

  void JumpChoicesFillBothWays_data() {
    QTest::addColumn<int>("kind");
    QTest::addColumn<int>("page");
    QTest::addColumn<QString>("choice");
    QTest::addColumn<QString>("number");
    QTest::newRow("first") << 0 << 0 << "Annot_First" << "1";
    QTest::newRow("absolute 5") << 0 << 4 << "Annot_PageChoice" << "5";
    QTest::newRow("previous") << 1 << -1 << "Annot_Previous" << "-1";
    QTest::newRow("next") << 1 << 1 << "Annot_Next" << "1";
    QTest::newRow("back three") << 1 << -3 << "Annot_PageChoice" << "-3";
  }
  void JumpChoicesFillBothWays() {
    QFETCH(int, kind);
    QFETCH(int, page);
    QFETCH(QString, choice);
    TQuarrionCanvas main;
    auto* link = Place(main, std::make_unique<TPDFAnnot>(10, 10, 60, 40));
    link->LinkKind = kind;
    link->Destination.Page = page;
    TForm2 dialog;
    dialog.Fill(main);
    QVERIFY(Child<QRadioButton>(dialog, choice.toLatin1().constData())->isChecked());
    QTEST(Child<QLineEdit>(dialog, "Annot_Page")->text(), "number");
    // Clicking the choice shown again stores what the link already held.
    dialog.show();
    QTest::mouseClick(Child<QRadioButton>(dialog, choice.toLatin1().constData()), Qt::LeftButton);
    Press(dialog, "OK");
    dialog.ApplyTo(main);
    QCOMPARE(link->LinkKind, kind);
    QCOMPARE(link->Destination.Page, page);
  }

  void PreserveAspectHalvesHeightOfWidePicture() {
    QTemporaryDir dir;
    const QString path = dir.filePath("wide.png");
    QImage picture(200, 100, QImage::Format_RGB32);
    picture.fill(Qt::blue);
    QVERIFY(picture.save(path));
    TQuarrionCanvas main;
    auto* image = Place(main, std::make_unique<TPDFImage>(10, path.toStdString(), 20));
    QVERIFY(image->Loaded());
    TForm2 dialog;
    dialog.Fill(main);
    dialog.show();
    QCOMPARE(Child<QLabel>(dialog, "Image_OriginalWidth")->text(), QString("200"));
    QCOMPARE(Child<QLabel>(dialog, "Image_OriginalHeight")->text(), QString("100"));
    auto* aspect = Child<QCheckBox>(dialog, "Image_PreserveAspect");
    if (!aspect->isChecked()) ClickBox(aspect);
    Retype(Child<QLineEdit>(dialog, "Image_Width"), "90");
    QCOMPARE(Child<QLineEdit>(dialog, "Image_Height")->text(), QString("45"));
    Retype(Child<QLineEdit>(dialog, "Image_Height"), "30");
    QCOMPARE(Child<QLineEdit>(dialog, "Image_Width")->text(), QString("60"));
    Press(dialog, "OK");
    dialog.ApplyTo(main);
    QCOMPARE(image->Right - image->Left, 60);
    QCOMPARE(image->Bottom - image->Top, 30);
  }

  void GuidePositionFollowsOrientation() {
    TQuarrionCanvas main;
    auto* guide = Place(main, std::make_unique<TPDFGuide>(40, 50, 40, 50));
    TForm2 dialog;
    dialog.Fill(main);
    dialog.show();
    QCOMPARE(Child<QLineEdit>(dialog, "Guide_Position")->text(), QString("50"));
    ClickBox(Child<QRadioButton>(dialog, "Guide_Vertical"));
    // A "-" typed into an empty field becomes "0"; the sign goes in front of the number.
    auto* position = Child<QLineEdit>(dialog, "Guide_Position");
    Retype(position, "16");
    QTest::keyClick(position, Qt::Key_Home);
    QTest::keyClicks(position, "-");
    QCOMPARE(position->text(), QString("-16"));
    Press(dialog, "OK");
    dialog.ApplyTo(main);
    QCOMPARE(int(guide->Orientation()), 1);
    QCOMPARE(guide->Left, -16);
    QCOMPARE(guide->Top, 50);
  }

  void TextPageKeepsSpacingProportionAndTypesTabs() {
    TQuarrionCanvas main;
    auto* text = Place(main, std::make_unique<TPDFText>(TTextFont{}, "ab", 10, 10, 200, 100));
    text->FontSize = 12000;
    text->LineSpacing = 14400;
    TForm2 dialog;
    dialog.Fill(main);
    dialog.show();
    Retype(Child<QComboBox>(dialog, "Text_Size")->lineEdit(), "24");
    QCOMPARE(Child<QLineEdit>(dialog, "Text_LineSpacing")->text(), TPDFTextPoints(28.8));
    auto* field = Child<QPlainTextEdit>(dialog, "Text_Text");
    field->setFocus();
    field->moveCursor(QTextCursor::End);
    QTest::keyClick(field, Qt::Key_Tab, Qt::ControlModifier);
    QTest::keyClick(field, Qt::Key_Return);
    QTest::keyClicks(field, "c");
    Press(dialog, "OK");
    dialog.ApplyTo(main);
    QCOMPARE(text->FontSize, 24000);
    QCOMPARE(text->LineSpacing, 28800);
    QCOMPARE(text->Text(), std::string("ab<tab>\r\nc"));
  }

  void TextRefusesWhatADocumentCannotHold() {
    TQuarrionCanvas main;
    auto* text = Place(main, std::make_unique<TPDFText>(TTextFont{}, "ab", 10, 10, 200, 100));
    TForm2 dialog;
    QStringList warnings;
    dialog.Services().Warn = [&](const QString& m) { warnings << m; };
    dialog.Fill(main);
    dialog.show();
    auto* field = Child<QPlainTextEdit>(dialog, "Text_Text");
    field->setFocus();
    field->moveCursor(QTextCursor::End);
    TypeText(field, QString::fromUtf8("\u20AC\u03A9"));  // the euro sign fits, omega does not
    QCOMPARE(warnings.size(), 1);
    QCOMPARE(field->toPlainText(), QString::fromUtf8("ab\u20AC"));
    Press(dialog, "OK");
    dialog.ApplyTo(main);
    QCOMPARE(text->Text(), std::string("ab\x80"));
  }

  void FillTakesAGradientAndGivesItBack() {
    TQuarrionCanvas main;
    auto* a = Place(main, std::make_unique<TPDFRectangle>(10, 10, 60, 40));
    auto* b = Place(main, std::make_unique<TPDFRectangle>(100, 100, 200, 150));
    TForm2 dialog;
    bool offered = false;
    dialog.Services().RunColourDialog = [&](TGradProps& colours) {
      offered = true;
      colours.ShowGradientPanel(true);  // only the fill's dialog lets this through
      return true;
    };
    dialog.Fill(main);
    dialog.show();
    auto* fillSwatch = Child<QWidget>(dialog, "Rect_FillColourSwatch");
    auto* fillGradient = Child<QWidget>(dialog, "Rect_FillGradient");
    QTest::mouseClick(Child<QPushButton>(dialog, "Rect_FillColour"), Qt::LeftButton);
    QVERIFY(offered);
    QVERIFY(!fillSwatch->isVisible() && fillGradient->isVisible());
    for (TPDFObject* copy : dialog.Copies()) QVERIFY(copy->Gradient());
    QVERIFY(dialog.Copies()[0]->Gradient() != dialog.Copies()[1]->Gradient());  // each its own
    // The outline's dialog takes no gradient.
    QTest::mouseClick(Child<QPushButton>(dialog, "Rect_OutlineColour"), Qt::LeftButton);
    QVERIFY(dialog.Copies()[0]->Gradient());
    // A solid fill drops the gradient again.
    dialog.Services().RunColourDialog = [](TGradProps& colours) {
      colours.ShowGradientPanel(false);
      colours.SetColour(0x0000FF);
      return true;
    };
    QTest::mouseClick(Child<QPushButton>(dialog, "Rect_FillColour"), Qt::LeftButton);
    QVERIFY(fillSwatch->isVisible() && !fillGradient->isVisible());
    Press(dialog, "OK");
    dialog.ApplyTo(main);
    for (auto* r : {a, b}) {
      QVERIFY(!r->Gradient());
      QCOMPARE(r->FillColour, TColor(0x0000FF));
    }
  }

  void OnlyTheFillOffersAGradient() {
    TQuarrionCanvas main;
    Place(main, std::make_unique<TPDFRectangle>(10, 10, 60, 40));
    TForm2 dialog;
    bool offered = false;
    dialog.Services().RunColourDialog = [&](TGradProps& colours) {
      offered = Child<QPushButton>(colours, "UseGradient")->isEnabled();
      return false;
    };
    dialog.Fill(main);
    dialog.show();
    const std::pair<const char*, bool> buttons[] = {
        {"Rect_OutlineColour", false}, {"Rect_FillColour", true}, {"Rect_ShadowColour", false}};
    for (const auto& [name, gradient] : buttons) {
      QTest::mouseClick(Child<QPushButton>(dialog, name), Qt::LeftButton);
      QVERIFY2(offered == gradient, name);
    }
  }

  void ChosenPictureIsLoadedAndMeasured() {
    QTemporaryDir dir;
    const QString path = dir.filePath("tall.png");
    QImage picture(30, 90, QImage::Format_RGB32);
    picture.fill(Qt::red);
    QVERIFY(picture.save(path));
    TQuarrionCanvas main;
    auto* image = Place(main, std::make_unique<TPDFImage>(10, 10, 42, 42));  // no picture yet
    TForm2 dialog;
    dialog.Fill(main);
    dialog.show();
    auto* width = Child<QLineEdit>(dialog, "Image_Width");
    QVERIFY(!width->isEnabled());
    QVERIFY(!Child<QCheckBox>(dialog, "Image_StoreInFile")->isEnabled());  // no file yet
    QStringList warnings;
    dialog.Services().Warn = [&](const QString& m) { warnings << m; };
    // A name longer than a document keeps is refused, not cut short.
    const QString tooLong = dir.path() + "/" + QString(260, QLatin1Char('n')) + ".png";
    dialog.Services().ChoosePicture = [&] { return tooLong; };
    QTest::mouseClick(Child<QPushButton>(dialog, "Image_Browse"), Qt::LeftButton);
    QCOMPARE(warnings.size(), 1);
    QCOMPARE(Child<QLineEdit>(dialog, "Image_FileName")->text(), QString());
    dialog.Services().ChoosePicture = [&] { return path; };
    QTest::mouseClick(Child<QPushButton>(dialog, "Image_Browse"), Qt::LeftButton);
    QCOMPARE(Child<QLineEdit>(dialog, "Image_FileName")->text(), path);
    QCOMPARE(Child<QLabel>(dialog, "Image_OriginalWidth")->text(), QString("30"));
    QCOMPARE(Child<QLabel>(dialog, "Image_OriginalHeight")->text(), QString("90"));
    QVERIFY(width->isEnabled());
    Press(dialog, "OK");
    dialog.ApplyTo(main);
    QCOMPARE(QString::fromStdString(image->ImageFileName()), path);
    QVERIFY(image->Loaded());
    QCOMPARE(image->Bitmap().Width(), 30);
  }

  void MovingAGuideInThePreviewShowsItsPosition() {
    TQuarrionCanvas main;
    Place(main, std::make_unique<TPDFGuide>(0, 50, 0, 50));
    TForm2 dialog;
    dialog.resize(700, 450);
    dialog.Fill(main);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    DragInPreview(dialog, {100, 50}, 0, 40);
    const int top = dialog.Copies()[0]->Top;
    QVERIFY(top > 50);
    QCOMPARE(Child<QLineEdit>(dialog, "Guide_Position")->text(), QString::number(top));
  }

  void SymbolFaceDropsBoldAndItalic() {
    TQuarrionCanvas main;
    auto* text = Place(main, std::make_unique<TPDFText>(TTextFont{0, 12000, 3}, "ab", 10, 10, 200, 100));
    TForm2 dialog;
    dialog.Fill(main);
    dialog.show();
    auto* font = Child<QComboBox>(dialog, "Text_Font");
    const int symbol = font->findText("Symbol");
    QVERIFY(symbol >= 0);
    font->setCurrentIndex(symbol);
    QVERIFY(!Child<QCheckBox>(dialog, "Text_Bold")->isEnabled());
    Press(dialog, "OK");
    dialog.ApplyTo(main);
    QCOMPARE(text->FontFace, symbol);
    QCOMPARE(int(text->FontStyle), 0);  // the boxes stay checked but count only when enabled
  }

  void TextKeepsToTheLengthADocumentHolds() {
    TQuarrionCanvas main;
    auto* text = Place(main, std::make_unique<TPDFText>(TTextFont{}, "ab", 10, 10, 200, 100));
    TForm2 dialog;
    QStringList warnings;
    dialog.Services().Warn = [&](const QString& m) { warnings << m; };
    dialog.Fill(main);
    dialog.show();
    auto* field = Child<QPlainTextEdit>(dialog, "Text_Text");
    field->moveCursor(QTextCursor::End);
    field->insertPlainText(QString(int(MaxTextLength) - 3, QLatin1Char('x')));
    QVERIFY(warnings.isEmpty());
    // A line end is two characters in the document: one more than fits.
    field->insertPlainText("\n");
    QCOMPARE(warnings.size(), 1);
    field->insertPlainText("y");
    QCOMPARE(warnings.size(), 1);
    Press(dialog, "OK");
    dialog.ApplyTo(main);
    QCOMPARE(text->Text().size(), MaxTextLength);
    QCOMPARE(text->Text().back(), 'y');
  }

  void NumericFieldsKeepTheirLimits_data() {
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("kept");
    // The shadow offset is held in a byte around zero by the file: 127 is the most.
    QTest::newRow("shadow offset") << 0 << "Rect_ShadowX" << "200" << "127";
    QTest::newRow("no negative shadow") << 0 << "Rect_ShadowY" << "5-" << "5";
    QTest::newRow("thickness takes decimals") << 0 << "Rect_Thickness" << "2.5" << "2.5";
    QTest::newRow("thickness maximum") << 1 << "Line_Thickness" << "99999" << "65535";
    QTest::newRow("tolerance maximum") << 3 << "Image_Tolerance" << "300" << "255";
    QTest::newRow("whole image sizes") << 3 << "Image_Width" << "12.5" << "125";
    QTest::newRow("absolute page has no sign") << 5 << "Annot_Page" << "-3" << "03";
  }
  void NumericFieldsKeepTheirLimits() {
    QFETCH(int, kind);
    QFETCH(QString, field);
    QFETCH(QString, typed);
    std::unique_ptr<TPDFObject> objects[] = {
        std::make_unique<TPDFRectangle>(0, 0, 10, 10), std::make_unique<TPDFLine>(0, 0, 10, 10),
        nullptr, std::make_unique<TPDFImage>(0, 0, 10, 10), nullptr, std::make_unique<TPDFAnnot>(0, 0, 10, 10)};
    TQuarrionCanvas main;
    Place(main, std::move(objects[kind]));
    TForm2 dialog;
    dialog.Fill(main);
    dialog.show();
    auto* edit = Child<QLineEdit>(dialog, field.toLatin1().constData());
    edit->setEnabled(true);  // the picture's size fields wait for a picture
    Retype(edit, typed.replace('.', QChar::fromLatin1(NumericField::DecimalSeparator())));
    QFETCH(QString, kept);
    QCOMPARE(edit->text(), kept.replace('.', QChar::fromLatin1(NumericField::DecimalSeparator())));
  }

 private:
  static QString TPDFTextPoints(double points) {
    QString s = QString::number(points);
    return s.replace('.', QChar::fromLatin1(NumericField::DecimalSeparator()));
  }
};

static RegisterDialogTest<ObjectPropertiesTest> registration("ObjectPropertiesTest");
#include "object_properties_test.moc"
