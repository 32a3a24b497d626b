// Object Properties and Colour Properties can be used without a mouse or a screen: every
// control a Tab reaches has an accessible name, a button's is its caption without "&",
// and "&Help" asks for the help topic of the edited kind.
#include <QAbstractButton>
#include <QComboBox>
#include <QPushButton>
#include <QTabBar>
#include <QTest>

#include "dialog_tests.h"
#include "dialogs/dialog_text.h"
#include "dialogs/gradient_props_dialog.h"
#include "dialogs/object_properties_dialog.h"
#include "objects/annot.h"
#include "objects/guide.h"
#include "objects/image.h"
#include "objects/line.h"
#include "objects/rectangle.h"
#include "text/text.h"

namespace {
// The names of the Tab-reachable controls of `dialog` that lack a proper accessible name.
QStringList Unnamed(QWidget& dialog) {
  QStringList missing;
  for (QWidget* w : dialog.findChildren<QWidget*>()) {
    if (!(w->focusPolicy() & Qt::TabFocus) || !w->isEnabledTo(&dialog) || w->window() != &dialog) continue;
    // Parts of a composite control (a combo's field, a tab widget's bar) go by its name.
    if (qobject_cast<QComboBox*>(w->parentWidget()) || qobject_cast<QTabBar*>(w->parentWidget()) ||
        w->objectName().startsWith("qt_"))
      continue;
    if (w->accessibleName().isEmpty()) missing << w->metaObject()->className() + QString(":") + w->objectName();
    if (auto* button = qobject_cast<QAbstractButton*>(w))
      if (button->text() != "..." && button->accessibleName() != WithoutAccelerator(button->text()))
        missing << button->objectName() + " is called " + button->accessibleName();
  }
  return missing;
}
}  // namespace

class PropertyDialogsAccessTest : public QObject {
  Q_OBJECT
 private slots:
  void EveryPageNamesItsControlsAndOpensItsHelp_data() {
    QTest::addColumn<int>("kind");
    QTest::addColumn<int>("topic");
    QTest::newRow("rectangle") << 0 << 1504;
    QTest::newRow("line") << 1 << 1502;
    QTest::newRow("text") << 2 << TPDFText(0, 0, 1, 1).HelpContext;
    QTest::newRow("image") << 3 << TPDFImage(0, 0, 1, 1).HelpContext;
    QTest::newRow("guide") << 4 << 1506;
    QTest::newRow("link") << 5 << TPDFAnnot(0, 0, 1, 1).HelpContext;
  }
  void EveryPageNamesItsControlsAndOpensItsHelp() {
    QFETCH(int, kind);
    std::unique_ptr<TPDFObject> objects[] = {
        std::make_unique<TPDFRectangle>(0, 0, 10, 10), std::make_unique<TPDFLine>(0, 0, 10, 10),
        std::make_unique<TPDFText>(0, 0, 10, 10),      std::make_unique<TPDFImage>(0, 0, 10, 10),
        std::make_unique<TPDFGuide>(0, 5, 0, 5),       std::make_unique<TPDFAnnot>(0, 0, 10, 10)};
    TQuarrionCanvas main;
    main.Add(std::move(objects[kind]));
    TForm2 dialog;
    int topic = 0;
    dialog.OnHelp = [&](int t) { topic = t; };
    dialog.Fill(main);
    dialog.show();
    QVERIFY(dialog.CurrentPanel());
    const QStringList missing = Unnamed(dialog);
    QVERIFY2(missing.isEmpty(), qPrintable(missing.join(", ")));
    QTest::mouseClick(Child<QPushButton>(dialog, "Help"), Qt::LeftButton);
    QTEST(topic, "topic");
  }

  void FocusStartsOnThePagesFirstControl_data() {
    QTest::addColumn<int>("kind");
    QTest::addColumn<int>("count");
    QTest::addColumn<QString>("first");
    QTest::newRow("rectangle") << 0 << 1 << "Rect_OutlineColour";
    QTest::newRow("text") << 2 << 1 << "Text_Text";
    QTest::newRow("one picture") << 3 << 1 << "Image_Browse";
    QTest::newRow("two pictures") << 3 << 2 << "Image_PreserveAspect";
    QTest::newRow("link") << 5 << 1 << "Annot_Type";
  }
  void FocusStartsOnThePagesFirstControl() {
    QFETCH(int, kind);
    QFETCH(int, count);
    TQuarrionCanvas main;
    for (int i = 0; i < count; ++i) {
      std::unique_ptr<TPDFObject> objects[] = {
          std::make_unique<TPDFRectangle>(0, 0, 10, 10), nullptr, std::make_unique<TPDFText>(0, 0, 10, 10),
          std::make_unique<TPDFImage>(0, 0, 10, 10), nullptr, std::make_unique<TPDFAnnot>(0, 0, 10, 10)};
      main.Add(std::move(objects[kind]));
    }
    for (int i = 0; i < count; ++i) main.AddToSelection(i);
    TForm2 dialog;
    dialog.Fill(main);
    dialog.show();
    QApplication::setActiveWindow(&dialog);
    QVERIFY(QTest::qWaitForWindowActive(&dialog));
    QVERIFY(QApplication::focusWidget());
    QTEST(QApplication::focusWidget()->objectName(), "first");
  }

  void ColourPropertiesNamesItsControls() {
    TGradProps dialog;
    dialog.SetGradientAllowed(true);
    for (bool gradient : {false, true}) {
      dialog.ShowGradientPanel(gradient);
      dialog.show();
      const QStringList missing = Unnamed(dialog);
      QVERIFY2(missing.isEmpty(), qPrintable(missing.join(", ")));
    }
  }
};

static RegisterDialogTest<PropertyDialogsAccessTest> registration("PropertyDialogsAccessTest");
#include "property_dialogs_access_test.moc"
