// The markup field colours tags, fields and entities, and nothing else.
#include <QPlainTextEdit>
#include <QTest>
#include <QTextBlock>
#include <QTextLayout>

#include "dialog_tests.h"
#include "dialogs/markup_highlighter.h"

namespace {
// The colour the highlighter gave character `at` of the document, or an invalid colour.
QColor ColourAt(const QTextDocument& document, int at) {
  const QTextBlock block = document.findBlock(at);
  for (const QTextLayout::FormatRange& range : block.layout()->formats())
    if (at - block.position() >= range.start && at - block.position() < range.start + range.length)
      return range.format.foreground().color();
  return {};
}
}  // namespace

class MarkupHighlighterTest : public QObject {
  Q_OBJECT
 private slots:
  void ColoursTagsFieldsAndEntities_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("at");
    QTest::addColumn<QString>("kind");
    const QString sample = "a <b>x</b> &LT; <#page> &amp &gt; 5 < 6";
    QTest::newRow("plain") << sample << 0 << "plain";
    QTest::newRow("tag open") << sample << 2 << "tag";
    QTest::newRow("tag close") << sample << 4 << "tag";
    QTest::newRow("between tags") << sample << 5 << "plain";
    QTest::newRow("entity, any case") << sample << 11 << "entity";
    QTest::newRow("field") << sample << 17 << "field";
    QTest::newRow("no semicolon, no entity") << sample << 24 << "plain";
    QTest::newRow("entity") << sample << 32 << "entity";
    QTest::newRow("less-than without a closing one") << sample << 37 << "plain";
    QTest::newRow("tag over two lines") << "x <jump\npage=2>y" << 8 << "tag";
    QTest::newRow("after it") << "x <jump\npage=2>y" << 15 << "plain";
  }
  void ColoursTagsFieldsAndEntities() {
    QFETCH(QString, text);
    QFETCH(int, at);
    QFETCH(QString, kind);
    QTextDocument document;
    document.setPlainText(text);
    MarkupHighlighter highlighter(&document);
    highlighter.rehighlight();
    const QColor expected = kind == "tag"      ? highlighter.TagFormat().foreground().color()
                            : kind == "field"  ? highlighter.FieldFormat().foreground().color()
                            : kind == "entity" ? highlighter.EntityFormat().foreground().color()
                                               : QColor();
    QCOMPARE(ColourAt(document, at), expected);
  }
};

static RegisterDialogTest<MarkupHighlighterTest> registration("MarkupHighlighterTest");
#include "markup_highlighter_test.moc"
