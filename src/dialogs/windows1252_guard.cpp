#include "dialogs/windows1252_guard.h"

#include <QLineEdit>

#include "dialogs/dialog_text.h"

Windows1252Guard::Windows1252Guard(QLineEdit* field, std::function<void(const QString&)> warn)
    : QObject(field), field_(field), warn_(std::move(warn)), lastGood_(field->text()) {
  connect(field, &QLineEdit::textChanged, this, &Windows1252Guard::Check);
  connect(field, &QLineEdit::cursorPositionChanged, this, [this](int, int now) {
    if (field_->text() == lastGood_) lastCaret_ = now;
  });
}

void Windows1252Guard::Check(const QString& text) {
  const auto bad = UnrepresentableCharacter(text);
  if (!bad) {
    lastGood_ = text;
    lastCaret_ = field_->cursorPosition();
    return;
  }
  // Restoring the last good text runs Check again, which accepts it.
  const int caret = lastCaret_;
  field_->setText(lastGood_);
  field_->setCursorPosition(caret);
  if (warn_) warn_(RefusalMessage(*bad));
}
