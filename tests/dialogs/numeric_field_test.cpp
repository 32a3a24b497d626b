// The numeric field: the shared filter runs on typed and set text, and the caret stays.
#include <QTest>

#include "dialog_tests.h"
#include "dialogs/numeric_field.h"

class NumericFieldTest : public QObject {
  Q_OBJECT
 private slots:
  void SetTextIsFiltered_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("kept");
    QTest::newRow("empty") << "" << "0";
    QTest::newRow("minus") << "-" << "0";
    QTest::newRow("letter") << "12a3" << "123";
    QTest::newRow("above maximum") << "70000" << "65535";
    QTest::newRow("not Latin") << QString::fromUtf8("1\u0663\u20AC2") << "12";
  }
  void SetTextIsFiltered() {
    QFETCH(QString, text);
    NumericField field;
    field.setText(text);
    QTEST(field.text(), "kept");
  }

  void TypedLetterIsDroppedAndTheCaretStays() {
    NumericField field;
    field.setText("123");
    field.show();
    field.setCursorPosition(1);
    QTest::keyClick(&field, Qt::Key_X, Qt::NoModifier);
    QCOMPARE(field.text(), QString("123"));
    QCOMPARE(field.cursorPosition(), 2);
    QTest::keyClick(&field, Qt::Key_4);
    QCOMPARE(field.text(), QString("1243"));
    QCOMPARE(field.cursorPosition(), 3);
  }

  void CaretGoesToTheEndWhenTheTextShrinksPastIt() {
    NumericField field;
    field.show();
    field.setText("6553");
    field.end(false);
    QTest::keyClick(&field, Qt::Key_9);  // 65539 is above the maximum
    QCOMPARE(field.text(), QString("65535"));
    QCOMPARE(field.cursorPosition(), 5);
    field.selectAll();
    QTest::keyClick(&field, Qt::Key_Backspace);
    QCOMPARE(field.text(), QString("0"));
    QCOMPARE(field.cursorPosition(), 0);
  }

  void ValueReadsWithALeadingZero_data() {
    QTest::addColumn<bool>("hexadecimal");
    QTest::addColumn<bool>("negative");
    QTest::addColumn<QString>("text");
    QTest::addColumn<qlonglong>("value");
    QTest::newRow("decimal") << false << false << "432" << 432LL;
    QTest::newRow("negative") << false << true << "-12" << -12LL;
    QTest::newRow("hexadecimal") << true << false << "1g2" << 0x12LL;
    QTest::newRow("hex capped") << true << false << "1000000" << 0xFFFFFFLL;
  }
  void ValueReadsWithALeadingZero() {
    QFETCH(bool, hexadecimal);
    QFETCH(bool, negative);
    QFETCH(QString, text);
    NumericField field(nullptr, NumericFormat{true, negative, hexadecimal, hexadecimal ? 0xFFFFFFu : 65535u});
    field.setText(text);
    QTEST(qlonglong(field.Value()), "value");
  }
};

static RegisterDialogTest<NumericFieldTest> registration("NumericFieldTest");
#include "numeric_field_test.moc"
