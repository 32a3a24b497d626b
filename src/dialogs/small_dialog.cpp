#include "dialogs/small_dialog.h"

#include <QBoxLayout>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>

#include "dialogs/dialog_text.h"
#include "dialogs/named_button.h"
#include "dialogs/windows1252_guard.h"

TSmallDialog::TSmallDialog(const QString& title, QWidget* parent) : QDialog(parent) {
  setWindowTitle(title);
  setModal(true);
}

void TSmallDialog::SetWarningHandler(std::function<void(const QString&)> handler) {
  warningHandler_ = std::move(handler);
}

void TSmallDialog::Warn(const QString& message) {
  if (warningHandler_)
    warningHandler_(message);
  else
    QMessageBox::warning(this, QStringLiteral("Quarrion"), message);
}

QLabel* TSmallDialog::AddLabel(const QString& caption, QWidget* field) {
  auto* label = new QLabel(caption, this);
  label->setBuddy(field);
  field->setAccessibleName(WithoutAccelerator(caption));
  return label;
}

QLineEdit* TSmallDialog::AddTextField(const QString& objectName) {
  auto* field = new QLineEdit(this);
  field->setObjectName(objectName);
  new Windows1252Guard(field, [this](const QString& message) { Warn(message); });
  return field;
}

QCheckBox* TSmallDialog::AddCheckBox(const QString& objectName, const QString& caption) {
  auto* box = new QCheckBox(caption, this);
  box->setObjectName(objectName);
  box->setAccessibleName(WithoutAccelerator(caption));
  return box;
}

QPushButton* TSmallDialog::AddButton(const QString& objectName, const QString& caption) {
  return NamedButton(objectName, caption, this);
}

QBoxLayout* TSmallDialog::AddButtons(QBoxLayout* layout, bool withCancel) {
  auto* row = new QHBoxLayout;
  row->addStretch(1);
  auto* ok = AddButton(QStringLiteral("OK"), QStringLiteral("OK"));
  ok->setDefault(true);
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);
  row->addWidget(ok);
  if (withCancel) {
    auto* cancel = AddButton(QStringLiteral("Cancel"), QStringLiteral("Cancel"));
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    row->addWidget(cancel);
  }
  layout->addLayout(row);
  return row;
}

void TSmallDialog::SetTabOrder(std::initializer_list<QWidget*> controls) {
  QList<QWidget*> chain(controls.begin(), controls.end());
  for (const char* name : {"OK", "Cancel", "Clear"})
    if (auto* button = findChild<QPushButton*>(QString::fromLatin1(name))) chain.append(button);
  for (qsizetype i = 0; i + 1 < chain.size(); ++i) setTabOrder(chain[i], chain[i + 1]);
}

void TSmallDialog::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (initialControl_) initialControl_->setFocus(Qt::OtherFocusReason);
}
