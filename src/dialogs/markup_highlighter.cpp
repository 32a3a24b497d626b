#include "dialogs/markup_highlighter.h"

#include <QTextBlock>

MarkupHighlighter::MarkupHighlighter(QTextDocument* document) : QSyntaxHighlighter(document) {
  tag_.setForeground(QColor(0x00, 0x00, 0xC0));
  field_.setForeground(QColor(0x80, 0x00, 0x80));
  field_.setFontWeight(QFont::Bold);
  entity_.setForeground(QColor(0x00, 0x80, 0x00));
}

namespace {
// Whether a ">" follows in a later line: without one, a "<" is shown as it is typed.
bool ClosedLater(const QTextBlock& block) {
  for (QTextBlock next = block.next(); next.isValid(); next = next.next())
    if (next.text().contains(QLatin1Char('>'))) return true;
  return false;
}
}  // namespace

int MarkupHighlighter::TagFrom(const QString& text, int from, State kind) {
  const int close = text.indexOf(QLatin1Char('>'), from);
  if (close < 0 && !ClosedLater(currentBlock())) return from + 1;
  const int end = close < 0 ? int(text.size()) : close + 1;
  setFormat(from, end - from, kind == InField ? field_ : tag_);
  if (close < 0) setCurrentBlockState(kind);
  return end;
}

void MarkupHighlighter::highlightBlock(const QString& text) {
  setCurrentBlockState(Plain);
  int i = 0;
  const int before = previousBlockState();
  if (before == InTag || before == InField) i = TagFrom(text, 0, State(before));
  static const QString kEntities[] = {QStringLiteral("&lt;"), QStringLiteral("&gt;"),
                                      QStringLiteral("&amp;")};
  while (i < text.size()) {
    if (text[i] == QLatin1Char('<')) {
      const bool field = i + 1 < text.size() && text[i + 1] == QLatin1Char('#');
      i = TagFrom(text, i, field ? InField : InTag);
      continue;
    }
    bool matched = false;
    if (text[i] == QLatin1Char('&'))
      for (const QString& entity : kEntities)
        if (QStringView(text).mid(i, entity.size()).compare(entity, Qt::CaseInsensitive) == 0) {
          setFormat(i, int(entity.size()), entity_);
          i += int(entity.size());
          matched = true;
          break;
        }
    if (!matched) ++i;
  }
}
