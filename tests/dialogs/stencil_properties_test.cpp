// Stencil Properties: the values it holds, the icon chosen, the name's length limit.
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPixmap>
#include <QTest>

#include "dialog_tests.h"
#include "dialogs/stencil_properties_dialog.h"

namespace {
QIcon Swatch(Qt::GlobalColor colour) {
  QPixmap pixmap(32, 32);
  pixmap.fill(colour);
  return QIcon(pixmap);
}
}  // namespace

class StencilPropertiesTest : public QObject {
  Q_OBJECT
 private slots:
  void ValuesComeBackAsSet() {
    TStencilProperties dialog;
    QCOMPARE(dialog.Package(), QString("Default stencils (Default.stn)"));
    QVERIFY(!Child<QLineEdit>(dialog, "Package")->isEnabled());
    QCOMPARE(Child<QLabel>(dialog, "NoOfObjects")->text(), QString("0"));
    dialog.SetStencilName("Caf\xE9 sign");
    dialog.SetObjectCount(7);
    dialog.SetIcons({Swatch(Qt::red), Swatch(Qt::green), Swatch(Qt::blue)});
    dialog.SetIconIndex(2);
    QCOMPARE(dialog.StencilName(), std::string("Caf\xE9 sign"));
    QCOMPARE(Child<QLabel>(dialog, "NoOfObjects")->text(), QString("7"));
    QCOMPARE(dialog.IconIndex(), 2);
    // New icons keep the chosen index; an index past them chooses none.
    dialog.SetIcons({Swatch(Qt::red), Swatch(Qt::green), Swatch(Qt::blue), Swatch(Qt::black)});
    QCOMPARE(dialog.IconIndex(), 2);
    dialog.SetIconIndex(9);
    QCOMPARE(dialog.IconIndex(), -1);
  }

  void ClickingAnIconChoosesIt() {
    TStencilProperties dialog;
    dialog.SetIcons({Swatch(Qt::red), Swatch(Qt::green), Swatch(Qt::blue)});
    dialog.show();
    auto* icons = Child<QListWidget>(dialog, "Icons");
    QTest::mouseClick(icons->viewport(), Qt::LeftButton, {}, icons->visualItemRect(icons->item(1)).center());
    QCOMPARE(dialog.IconIndex(), 1);
  }

  void NameStopsAtWhatAStencilFileHolds() {
    TStencilProperties dialog;
    dialog.show();
    auto* name = Child<QLineEdit>(dialog, "StencilName");
    name->setFocus();
    TypeText(name, QString(300, QLatin1Char('n')));
    QCOMPARE(dialog.StencilName().size(), std::size_t(255));
  }
};

static RegisterDialogTest<StencilPropertiesTest> registration("StencilPropertiesTest");
#include "stencil_properties_test.moc"
