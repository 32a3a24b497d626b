// The message log: lines go to the end and stay in view; Clear takes the title too.
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>

#include "dialog_tests.h"
#include "dialogs/log_dialog.h"

class LogTest : public QObject {
  Q_OBJECT
 private slots:
  void LinesFollowTheTitleAndTheCaretGoesToTheEnd() {
    TLog log;
    QCOMPARE(log.Text(), QString("Quarrion Message Log\n"));
    log.AddLine("Creating PDF header ...");
    log.AddLine("Creating page 1 ...");
    QCOMPARE(log.Text(), QString("Quarrion Message Log\n\nCreating PDF header ...\nCreating page 1 ..."));
    auto* field = Child<QPlainTextEdit>(log, "Log");
    QVERIFY(field->textCursor().atEnd());
  }

  void NewestLineIsInViewAfterManyLines() {
    TLog log;
    log.show();
    auto* field = Child<QPlainTextEdit>(log, "Log");
    for (int i = 0; i < 200; ++i) log.AddLine("line " + std::to_string(i));
    QScrollBar* bar = field->verticalScrollBar();
    QVERIFY(bar->maximum() > 0);
    QCOMPARE(bar->value(), bar->maximum());
  }

  void ClearRemovesTheTitleLineToo() {
    TLog log;
    log.AddLine("Loading \x93quoted\x94");  // Windows-1252 curly quotes
    QVERIFY(log.Text().contains(QString::fromUtf8("\u201Cquoted\u201D")));
    QTest::mouseClick(Child<QPushButton>(log, "Clear"), Qt::LeftButton);
    QCOMPARE(log.Text(), QString());
    log.AddLine("after");
    QCOMPARE(log.Text(), QString("after"));
  }
};

static RegisterDialogTest<LogTest> registration("LogTest");
#include "log_test.moc"
