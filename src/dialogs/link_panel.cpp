#include "dialogs/link_panel.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

#include "dialogs/dialog_text.h"
#include "dialogs/up_down.h"
#include "dialogs/windows1252_guard.h"
#include "objects/annot.h"

namespace {
constexpr int kAbsolute = 0;
constexpr int kRelative = 1;
}  // namespace

LinkPanel::LinkPanel(PanelServices& services, QWidget* parent)
    : PropertyPanel("PropPanel_Annot", services, parent) {
  type_ = new QComboBox(this);
  type_->setObjectName(QStringLiteral("Annot_Type"));
  type_->addItems({tr("Absolute jump"), tr("Relative jump"), tr("Internet link"), tr("Link to file")});
  connect(type_, &QComboBox::currentIndexChanged, this, &LinkPanel::TypeChosen);

  jumpTo_ = new QGroupBox(tr("Jump to "), this);
  jumpTo_->setObjectName(QStringLiteral("Annot_JumpTo"));
  auto* jumpGrid = new QGridLayout(jumpTo_);
  const char* names[] = {"Annot_First", "Annot_Previous", "Annot_Next", "Annot_Last", "Annot_PageChoice"};
  const QString captions[] = {tr("The &first page"), tr("The &previous page"), tr("The &next page"),
                              tr("The &last page"), tr("&Page")};
  for (int i = 0; i < 5; ++i) {
    auto* choice = Check<QRadioButton>(names[i], captions[i]);
    choices_[std::size_t(i)] = choice;
    jumpGrid->addWidget(choice, i, 0);
    connect(choice, &QRadioButton::clicked, this, [this, i] { JumpChosen(Choice(i)); });
  }
  // Negative numbers are distances back; only a relative jump has them.
  page_ = new NumericField(this, [this](const FieldText& field) {
    return FilterNumericField(field, true, type_->currentIndex() == kRelative, false, 65535,
                              NumericField::DecimalSeparator());
  });
  page_->setObjectName(QStringLiteral("Annot_Page"));
  page_->setAccessibleName(tr("Page number"));
  page_->setMaximumWidth(70);
  connect(page_, &QLineEdit::textChanged, this, &LinkPanel::Changed);
  pageUpDown_ = new UpDown(page_, -32768, 32767, 1, this);
  auto* pageRow = new QHBoxLayout;
  pageRow->addWidget(page_);
  pageRow->addWidget(pageUpDown_);
  pageRow->addStretch(1);
  jumpGrid->addLayout(pageRow, 4, 1);
  jumpGrid->setColumnStretch(2, 1);

  destinationRow_ = new QWidget(this);
  destination_ = new QLineEdit(destinationRow_);
  destination_->setObjectName(QStringLiteral("Annot_Destination"));
  new Windows1252Guard(destination_, [this](const QString& m) {
    if (services_.Warn) services_.Warn(m);
  });
  connect(destination_, &QLineEdit::textChanged, this, &LinkPanel::Changed);
  auto* destinationColumn = new QVBoxLayout(destinationRow_);
  destinationColumn->setContentsMargins(0, 0, 0, 0);
  destinationColumn->addWidget(Label(tr("&Jump destination:"), destination_));
  destinationColumn->addWidget(destination_);

  auto* form = new QGridLayout(this);
  form->addWidget(Label(tr("&Type of jump:"), type_), 0, 0);
  form->addWidget(type_, 0, 1);
  form->addWidget(jumpTo_, 1, 0, 1, 2);
  form->addWidget(destinationRow_, 2, 0, 1, 2);
  form->setRowStretch(3, 1);
  form->setColumnStretch(2, 1);
  ShowKind();
}

bool LinkPanel::Edits(const TPDFObject& obj) const { return obj.IsA(ClassId::Annot); }

QWidget* LinkPanel::FirstControl() { return type_; }

void LinkPanel::ShowKind() {
  const int kind = type_->currentIndex();
  const bool jump = kind == kAbsolute || kind == kRelative;
  jumpTo_->setVisible(jump);
  destinationRow_->setVisible(!jump);
  pageUpDown_->SetEnabledWithField(jump && choices_[Page]->isChecked());
}

void LinkPanel::TypeChosen() {
  ShowKind();
  Changed();
}

void LinkPanel::JumpChosen(Choice choice) {
  // Each choice but "Page" stands for a kind of jump and a number.
  struct Meaning {
    int Kind;
    int Number;
  };
  static constexpr Meaning kMeanings[] = {{kAbsolute, 1}, {kRelative, -1}, {kRelative, 1}, {kAbsolute, 0}};
  if (choice != Page) {
    const QSignalBlocker quiet(type_);
    type_->setCurrentIndex(kMeanings[choice].Kind);
    page_->SetValue(kMeanings[choice].Number);
  }
  ShowKind();
  Changed();
}

void LinkPanel::DoFill(const TPDFObject& first, int) {
  const auto& link = static_cast<const TPDFAnnot&>(first);
  type_->setCurrentIndex(std::clamp(link.LinkKind, 0, 3));
  const int page = link.Destination.Page;
  Choice choice = Page;
  if (link.LinkKind == kAbsolute) {
    page_->SetValue(page + 1);
    choice = page == 0 ? First : page == -1 ? Last : Page;
  } else if (link.LinkKind == kRelative) {
    page_->SetValue(page);
    choice = page == -1 ? Previous : page == 1 ? Next : Page;
  } else {
    destination_->setText(FromDocumentText(link.Target));
  }
  choices_[std::size_t(choice)]->setChecked(true);
  ShowKind();
}

void LinkPanel::Apply(TPDFObject& obj) {
  auto& link = static_cast<TPDFAnnot&>(obj);
  link.LinkKind = type_->currentIndex();
  TLinkDest dest = link.Destination;
  if (link.LinkKind == kAbsolute) {
    dest.Page = int(page_->Value() - 1);
    link.SetDestination(dest);
  } else if (link.LinkKind == kRelative) {
    dest.Page = int(page_->Value());
    link.SetDestination(dest);
  } else {
    link.Target = ToDocumentText(destination_->text());
  }
}
