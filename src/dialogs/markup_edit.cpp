#include "dialogs/markup_edit.h"

#include <QKeyEvent>
#include <QTextBlock>

#include "dialogs/dialog_text.h"
#include "dialogs/markup_highlighter.h"
#include "text/text.h"

namespace {
// The document's length of a text shown with "\n" line ends.
qsizetype DocumentLength(const QString& text) { return text.size() + text.count(QLatin1Char('\n')); }
}  // namespace

MarkupEdit::MarkupEdit(QWidget* parent, std::function<void(const QString&)> warn)
    : QPlainTextEdit(parent), warn_(std::move(warn)) {
  setTabChangesFocus(true);
  new MarkupHighlighter(document());
  connect(this, &QPlainTextEdit::textChanged, this, &MarkupEdit::Check);
  connect(this, &QPlainTextEdit::cursorPositionChanged, this, [this] {
    if (!setting_ && toPlainText() == lastGood_) lastCaret_ = textCursor().position();
  });
}

void MarkupEdit::SetDocumentText(const std::string& windows1252) {
  setting_ = true;
  QString text = FromDocumentText(windows1252);
  text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  setPlainText(text);
  lastGood_ = text;
  lastCaret_ = 0;
  edited_ = false;
  setting_ = false;
}

std::string MarkupEdit::DocumentText() const {
  QString text = toPlainText();
  text.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
  return ToDocumentText(text);
}

void MarkupEdit::Check() {
  if (setting_) return;
  const QString text = toPlainText();
  // Format changes of the highlighter come through here too; they change no text.
  if (text == lastGood_) return;
  QString refusal;
  if (const auto bad = UnrepresentableCharacter(text))
    refusal = RefusalMessage(*bad);
  else if (DocumentLength(text) > qsizetype(MaxTextLength))
    refusal = tr("A text holds at most %1 characters.").arg(MaxTextLength);
  if (refusal.isEmpty()) {
    lastGood_ = text;
    lastCaret_ = textCursor().position();
    edited_ = true;
    if (OnEdited) OnEdited();
    return;
  }
  setting_ = true;
  setPlainText(lastGood_);
  QTextCursor caret = textCursor();
  caret.setPosition(std::min(lastCaret_, int(lastGood_.size())));
  setTextCursor(caret);
  setting_ = false;
  if (warn_) warn_(refusal);
}

void MarkupEdit::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Tab && event->modifiers() == Qt::ControlModifier) {
    insertPlainText(QStringLiteral("<tab>"));
    return;
  }
  QPlainTextEdit::keyPressEvent(event);
}
