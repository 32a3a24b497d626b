#include "dialogs/page_props_dialog.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include "dialogs/dialog_text.h"

namespace {
// Checks `box` when `entry` is set and keeps `field` enabled exactly while it is checked.
void FillEntry(QCheckBox* box, QLineEdit* field, const std::string& entry, const std::string& title) {
  box->setChecked(!entry.empty());
  field->setEnabled(box->isChecked());
  field->setText(FromDocumentText(entry.empty() ? title : entry));
}

std::string EntryOf(const QCheckBox* box, const QLineEdit* field) {
  return box->isChecked() ? ToDocumentText(field->text()) : std::string();
}
}  // namespace

TPageProps::TPageProps(QWidget* parent) : TSmallDialog(QStringLiteral("Page Properties"), parent) {
  title_ = AddTextField(QStringLiteral("Title"));
  hasMajor_ = AddCheckBox(QStringLiteral("HasMajorOutline"), QStringLiteral("Include Major &Outline Entry"));
  major_ = AddTextField(QStringLiteral("MajOutline"));
  hasMinor_ = AddCheckBox(QStringLiteral("HasMinorOutline"), QStringLiteral("Include &Minor Outline Entry"));
  minor_ = AddTextField(QStringLiteral("MinOutline"));
  major_->setEnabled(false);
  minor_->setEnabled(false);

  auto* grid = new QGridLayout;
  grid->addWidget(AddLabel(QStringLiteral("&Title:"), title_), 0, 0);
  grid->addWidget(title_, 0, 1);
  grid->addWidget(hasMajor_, 1, 0, 1, 2);
  grid->addWidget(AddLabel(QStringLiteral("&Entry:"), major_), 2, 0, Qt::AlignRight);
  grid->addWidget(major_, 2, 1);
  grid->addWidget(hasMinor_, 3, 0, 1, 2);
  grid->addWidget(AddLabel(QStringLiteral("Entr&y:"), minor_), 4, 0, Qt::AlignRight);
  grid->addWidget(minor_, 4, 1);
  grid->setColumnMinimumWidth(1, 260);

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(grid);
  layout->addStretch(1);
  AddButtons(layout);
  SetTabOrder({title_, hasMajor_, major_, hasMinor_, minor_});

  connect(hasMajor_, &QCheckBox::toggled, major_, &QWidget::setEnabled);
  connect(hasMinor_, &QCheckBox::toggled, minor_, &QWidget::setEnabled);
  SetInitialControl(title_);
}

void TPageProps::SetPage(const std::string& title, const std::string& majorEntry,
                         const std::string& minorEntry) {
  title_->setText(FromDocumentText(title));
  FillEntry(hasMajor_, major_, majorEntry, title);
  FillEntry(hasMinor_, minor_, minorEntry, title);
}

std::string TPageProps::Title() const { return ToDocumentText(title_->text()); }
std::string TPageProps::MajorEntry() const { return EntryOf(hasMajor_, major_); }
std::string TPageProps::MinorEntry() const { return EntryOf(hasMinor_, minor_); }
