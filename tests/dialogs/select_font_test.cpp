// Select Font: the rows of the font table, bold and italic only where the face has them,
// the size result and the preview.
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QTest>

#include "dialog_tests.h"
#include "dialogs/select_font_dialog.h"
#include "dialogs/font_list_delegate.h"
#include "dialogs/numeric_field.h"

namespace {
void ChooseRow(QListWidget* list, int row) {
  QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(row)).center());
}
}  // namespace

class SelectFontTest : public QObject {
  Q_OBJECT
 private slots:
  void RowsNameTheRegularFontInTheScreenFont() {
    TSelectFont dialog;
    dialog.SetFontTable(FontTable());
    auto* list = Child<QListWidget>(dialog, "Font");
    const QStringList names = {"Helvetica", "Times-Roman", "Courier", "Symbol", "ZapfDingbats"};
    const QStringList families = {"Nimbus Sans", "Nimbus Roman", "Nimbus Mono PS", "Standard Symbols PS",
                                  "D050000L"};
    QCOMPARE(list->count(), 5);
    for (int row = 0; row < 5; ++row) {
      QCOMPARE(list->item(row)->text(), names[row]);
      QCOMPARE(list->item(row)->data(FontListDelegate::FamilyRole).toString(), families[row]);
    }
    QCOMPARE(list->visualItemRect(list->item(1)).height(), 16);
  }

  void FacesWithoutBoldAndItalicDropThoseBits_data() {
    QTest::addColumn<int>("row");
    QTest::addColumn<bool>("styled");
    QTest::newRow("Arial") << 0 << true;
    QTest::newRow("Courier New") << 2 << true;
    QTest::newRow("Symbol") << 3 << false;
    QTest::newRow("Wingdings") << 4 << false;
  }
  void FacesWithoutBoldAndItalicDropThoseBits() {
    QFETCH(int, row);
    QFETCH(bool, styled);
    TSelectFont dialog;
    dialog.SetFontTable(FontTable());
    dialog.show();
    auto* bold = Child<QCheckBox>(dialog, "Bold");
    auto* italic = Child<QCheckBox>(dialog, "Italic");
    ClickBox(bold);
    ClickBox(italic);
    ClickBox(Child<QCheckBox>(dialog, "Underline"));
    ChooseRow(Child<QListWidget>(dialog, "Font"), row);
    QCOMPARE(bold->isEnabled(), styled);
    QCOMPARE(italic->isEnabled(), styled);
    const int all = FontSelection::BoldBit | FontSelection::ItalicBit | FontSelection::UnderlineBit;
    const FontSelection result = dialog.Selection();
    QCOMPARE(result.FontIndex, row);
    QCOMPARE(result.Style, styled ? all : int(FontSelection::UnderlineBit));
    // Back on a face that has the styles, the boxes count again as they were left.
    ChooseRow(Child<QListWidget>(dialog, "Font"), 1);
    QCOMPARE(dialog.Selection().Style, all);
  }

  void SizeIsReadWithALeadingZeroInThousandths_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("kept");
    QTest::addColumn<int>("size");
    QTest::newRow("whole") << "12" << "12" << 12000;
    QTest::newRow("half") << "10.5" << "10.5" << 10500;
    QTest::newRow("empty stays empty") << "" << "" << 0;
    QTest::newRow("leading point") << ".75" << ".75" << 750;
    QTest::newRow("letters dropped") << "1a4pt" << "14" << 14000;
    QTest::newRow("second point dropped") << "7.2.5" << "7.25" << 7250;
    QTest::newRow("rounded") << "9.0006" << "9.0006" << 9001;
  }
  void SizeIsReadWithALeadingZeroInThousandths() {
    if (NumericField::DecimalSeparator() != '.') QSKIP("the rows are written with a decimal point");
    QFETCH(QString, typed);
    TSelectFont dialog;
    dialog.show();
    auto* edit = Child<QComboBox>(dialog, "Size")->lineEdit();
    edit->clear();
    edit->setFocus();
    TypeText(edit, typed);
    QTEST(edit->text(), "kept");
    QTEST(dialog.Selection().Size, "size");
  }

  void SelectionComesBackAsSet() {
    TSelectFont dialog;
    dialog.SetFontTable(FontTable());
    dialog.SetSizes({"6", "8", "10", "12", "72"});
    const FontSelection chosen{2, 10500, FontSelection::BoldBit | FontSelection::UnderlineBit};
    dialog.SetSelection(chosen);
    QVERIFY(dialog.Selection() == chosen);
    QCOMPARE(Child<QComboBox>(dialog, "Size")->count(), 5);
  }

  void SizeUsesTheLocalesDecimalComma() {
    const QLocale before;
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    TSelectFont dialog;
    dialog.SetSelection({0, 10500, 0});
    auto* edit = Child<QComboBox>(dialog, "Size")->lineEdit();
    const QString shown = edit->text();
    edit->setText("7,25.5");
    const QString kept = edit->text();
    const int size = dialog.Selection().Size;
    QLocale::setDefault(before);
    QCOMPARE(shown, QString("10,5"));
    QCOMPARE(kept, QString("7,255"));
    QCOMPARE(size, 7255);
  }

  void PreviewFollowsFontSizeAndStyles() {
    TSelectFont dialog;
    dialog.SetFontTable(FontTable());
    dialog.SetSelection({1, 24900, FontSelection::ItalicBit});
    auto* preview = Child<QLabel>(dialog, "Preview");
    QCOMPARE(preview->text(), QString("Preview"));
    QCOMPARE(preview->font().family(), QString("Nimbus Roman"));
    QCOMPARE(preview->font().pointSize(), 24);  // the whole points of 24.9
    QVERIFY(preview->font().italic() && !preview->font().bold());
    ClickBox(Child<QCheckBox>(dialog, "Bold"));
    QVERIFY(preview->font().bold());
    Child<QComboBox>(dialog, "Size")->setEditText("8");
    QCOMPARE(preview->font().pointSize(), 8);
    dialog.SetSelection({3, 8000, FontSelection::BoldBit});
    QCOMPARE(preview->font().family(), QString("Standard Symbols PS"));
    QVERIFY(!preview->font().bold());
  }
};

static RegisterDialogTest<SelectFontTest> registration("SelectFontTest");
#include "select_font_test.moc"
