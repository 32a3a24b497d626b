#pragma once

#include <QSyntaxHighlighter>
#include <QTextCharFormat>

// Colours the structure of a text's markup as it is typed: tags ("<b>", "<jump page=2>"),
// fields ("<#page>", "<#date>") and the three entities ("&lt;", "&gt;", "&amp;").
class MarkupHighlighter : public QSyntaxHighlighter {
  Q_OBJECT
 public:
  explicit MarkupHighlighter(QTextDocument* document);

  const QTextCharFormat& TagFormat() const { return tag_; }
  const QTextCharFormat& FieldFormat() const { return field_; }
  const QTextCharFormat& EntityFormat() const { return entity_; }

 protected:
  void highlightBlock(const QString& text) override;

 private:
  // Block states: a tag left open at the end of a line goes on in the next.
  enum State { Plain = 0, InTag = 1, InField = 2 };
  // Colours from `from` to the tag's ">" (or the end of the line); returns where it ended.
  int TagFrom(const QString& text, int from, State kind);

  QTextCharFormat tag_;
  QTextCharFormat field_;
  QTextCharFormat entity_;
};
