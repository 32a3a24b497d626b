#include "dialogs/log_dialog.h"

#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextCursor>
#include <QVBoxLayout>

#include "dialogs/dialog_text.h"

TLog::TLog(QWidget* parent) : TSmallDialog(QStringLiteral("Message Log"), parent) {
  log_ = new QPlainTextEdit(this);
  log_->setObjectName(QStringLiteral("Log"));
  log_->setAccessibleName(QStringLiteral("Message Log"));
  log_->setReadOnly(true);
  // Read-only text still takes the keyboard, so the log can be scrolled and copied.
  log_->setTextInteractionFlags(Qt::TextSelectableByKeyboard | Qt::TextSelectableByMouse);
  log_->setLineWrapMode(QPlainTextEdit::NoWrap);
  log_->setPlainText(QStringLiteral("Quarrion Message Log\n"));

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(log_, 1);
  QBoxLayout* buttons = AddButtons(layout, false);
  QPushButton* clear = AddButton(QStringLiteral("Clear"), QStringLiteral("&Clear"));
  buttons->addWidget(clear);
  connect(clear, &QPushButton::clicked, this, &TLog::Clear);
  SetTabOrder({log_});
  SetInitialControl(log_);
  resize(480, 320);
}

void TLog::AddLine(const std::string& line) {
  log_->appendPlainText(FromDocumentText(line));
  log_->moveCursor(QTextCursor::End);
  log_->ensureCursorVisible();
}

void TLog::Clear() { log_->clear(); }

QString TLog::Text() const { return log_->toPlainText(); }
