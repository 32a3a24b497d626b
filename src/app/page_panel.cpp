#include "app/page_panel.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>

#include "dialogs/dialog_text.h"
#include "app/prompts.h"
#include "model/quarrion_canvas.h"

PagePanel::PagePanel(TQuarrionCanvas& canvas, QWidget* parent) : QWidget(parent), canvas_(canvas) {
  CreateControls();
  connect(title_, &QLineEdit::textEdited, this, &PagePanel::TitleEdited);
  connect(includeOutline_, &QCheckBox::clicked, this, [this] {
    ApplyOutlineState(includeOutline_->checkState());
    emit PageEdited(canvas_.Page());
  });
  connect(isMaster_, &QCheckBox::clicked, this, &PagePanel::IsMasterClicked);
  connect(useMaster_, &QCheckBox::clicked, this, &PagePanel::UseMasterClicked);
  connect(more_, &QPushButton::clicked, this, &PagePanel::MoreRequested);
}

void PagePanel::CreateControls() {
  auto* label = new QLabel(tr("&Title:"), this);
  title_ = new QLineEdit(this);
  title_->setObjectName(QStringLiteral("PageTitle"));
  title_->setAccessibleName(WithoutAccelerator(label->text()));
  label->setBuddy(title_);
  includeOutline_ = new QCheckBox(tr("Include in &Outline"), this);
  includeOutline_->setObjectName(QStringLiteral("IncludeOutline"));
  includeOutline_->setTristate(true);
  isMaster_ = new QCheckBox(tr("&Is Master"), this);
  isMaster_->setObjectName(QStringLiteral("IsMaster"));
  useMaster_ = new QCheckBox(tr("&Use Master"), this);
  useMaster_->setObjectName(QStringLiteral("UseMaster"));
  more_ = new QPushButton(tr("&More ..."), this);
  more_->setObjectName(QStringLiteral("ExtendedPageProps"));
  for (QAbstractButton* b : {static_cast<QAbstractButton*>(includeOutline_),
                             static_cast<QAbstractButton*>(isMaster_),
                             static_cast<QAbstractButton*>(useMaster_),
                             static_cast<QAbstractButton*>(more_)})
    b->setAccessibleName(WithoutAccelerator(b->text()));

  auto* layout = new QHBoxLayout(this);
  layout->setContentsMargins(4, 2, 4, 2);
  layout->addWidget(label);
  layout->addWidget(title_, 1);
  layout->addWidget(includeOutline_);
  layout->addWidget(isMaster_);
  layout->addWidget(useMaster_);
  layout->addWidget(more_);
}

void PagePanel::ShowPage() {
  const TPage& page = canvas_.CurrentPage();
  const QSignalBlocker b1(useMaster_), b2(isMaster_), b3(title_);
  useMaster_->setChecked(page.UseMaster);
  isMaster_->setChecked(page.IsMaster);
  ShowOutlineState();
  if (title_->text() != FromDocumentText(page.Title)) title_->setText(FromDocumentText(page.Title));
}

// Grayed for a major entry or a minor entry other than the title; checked when the minor
// entry is the title (also when both are empty); unchecked otherwise.
void PagePanel::ShowOutlineState() {
  const TPage& page = canvas_.CurrentPage();
  Qt::CheckState state = Qt::Unchecked;
  if (!page.MajorEntry.empty() || (!page.MinorEntry.empty() && page.MinorEntry != page.Title))
    state = Qt::PartiallyChecked;
  else if (page.MinorEntry == page.Title)
    state = Qt::Checked;
  const QSignalBlocker block(includeOutline_);
  includeOutline_->setCheckState(state);
}

void PagePanel::TitleEdited(const QString& text) {
  if (auto refused = UnrepresentableCharacter(text)) {
    // Never changed silently: the field goes back to the title the page holds.
    const int cursor = title_->cursorPosition();
    title_->setText(FromDocumentText(canvas_.CurrentPage().Title));
    title_->setCursorPosition(std::max(cursor - int(refused->size()), 0));
    if (prompts_) prompts_->Warning(RefusalMessage(*refused));
    return;
  }
  canvas_.CurrentPage().Title = ToDocumentText(text);
  ApplyOutlineState(includeOutline_->checkState());
  canvas_.Repaint();
  emit PageEdited(canvas_.Page());
}

void PagePanel::ApplyOutlineState(Qt::CheckState state) {
  TPage& page = canvas_.CurrentPage();
  if (state == Qt::Unchecked) {
    page.MajorEntry.clear();
    page.MinorEntry.clear();
  } else if (state == Qt::Checked) {
    page.MinorEntry = page.Title;
    page.MajorEntry.clear();
  }
}

void PagePanel::IsMasterClicked(bool checked) {
  TPage& page = canvas_.CurrentPage();
  if (page.IsMaster == checked) return;
  page.IsMaster = checked;
  canvas_.Repaint();
  // Master pages are not numbered, so every later slide number moves by one.
  canvas_.BroadcastPagesShifted(checked ? -1 : 1, canvas_.Page());
  emit PageEdited(canvas_.Page());
}

void PagePanel::UseMasterClicked(bool checked) {
  canvas_.CurrentPage().UseMaster = checked;
  canvas_.Repaint();
  emit PageEdited(canvas_.Page());
}

void PagePanel::ApplyPageProperties(const std::string& title, const std::string& major,
                                    const std::string& minor) {
  TPage& page = canvas_.CurrentPage();
  page.Title = title;
  page.MajorEntry = major;
  page.MinorEntry = minor;
  ShowOutlineState();
  const QSignalBlocker block(title_);
  title_->setText(FromDocumentText(title));
  TitleEdited(title_->text());
}
