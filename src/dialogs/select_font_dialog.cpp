#include "dialogs/select_font_dialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QListWidget>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>

#include "dialogs/dialog_text.h"
#include "dialogs/font_list_delegate.h"
#include "dialogs/numeric_field.h"
#include "platform/qt/gui/screen_fonts.h"

namespace {
// The Size field keeps digits and the first decimal separator; an empty text stays empty.
FieldText KeepSizeText(const FieldText& field) {
  FieldText kept;
  kept.Text = FilterFontSizeText(field.Text, NumericField::DecimalSeparator());
  kept.Caret = std::min(field.Caret, kept.Text.size());
  return kept;
}

// Thousandths of a point as the Size field writes them: "12", "10.5".
QString SizeText(int thousandths) {
  QString text = QString::number(thousandths / 1000);
  if (int rest = thousandths % 1000) {
    QString fraction = QString::number(rest).rightJustified(3, QLatin1Char('0'));
    while (fraction.endsWith(QLatin1Char('0'))) fraction.chop(1);
    text += QLatin1Char(NumericField::DecimalSeparator()) + fraction;
  }
  return text;
}

// The preview draws at least 1 and at most 400 points, whatever is typed.
constexpr int MaxPreviewPoints = 400;
}  // namespace

TSelectFont::TSelectFont(QWidget* parent) : TSmallDialog(QStringLiteral("Select Font"), parent) {
  font_ = new QListWidget(this);
  font_->setObjectName(QStringLiteral("Font"));
  font_->setItemDelegate(new FontListDelegate(font_));
  font_->setUniformItemSizes(true);
  size_ = new QComboBox(this);
  size_->setObjectName(QStringLiteral("Size"));
  size_->setEditable(true);
  size_->setInsertPolicy(QComboBox::NoInsert);
  size_->setLineEdit(new NumericField(size_, KeepSizeText));
  size_->setEditText(QStringLiteral("12"));
  bold_ = AddCheckBox(QStringLiteral("Bold"), QStringLiteral("&Bold"));
  italic_ = AddCheckBox(QStringLiteral("Italic"), QStringLiteral("&Italic"));
  underline_ = AddCheckBox(QStringLiteral("Underline"), QStringLiteral("&Underline"));
  preview_ = new QLabel(QStringLiteral("Preview"), this);
  preview_->setObjectName(QStringLiteral("Preview"));
  preview_->setAccessibleName(QStringLiteral("Preview"));
  preview_->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  preview_->setAlignment(Qt::AlignCenter);
  preview_->setMinimumSize(220, 80);

  auto* grid = new QGridLayout;
  grid->addWidget(AddLabel(QStringLiteral("&Font:"), font_), 0, 0);
  grid->addWidget(font_, 1, 0, 3, 1);
  grid->addWidget(AddLabel(QStringLiteral("&Size:"), size_), 0, 1);
  grid->addWidget(size_, 1, 1);
  auto* styles = new QVBoxLayout;
  styles->addWidget(bold_);
  styles->addWidget(italic_);
  styles->addWidget(underline_);
  styles->addStretch(1);
  grid->addLayout(styles, 2, 1);
  grid->addWidget(preview_, 4, 0, 1, 2);
  grid->setColumnStretch(0, 1);

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(grid, 1);
  AddButtons(layout);
  SetTabOrder({font_, size_, bold_, italic_, underline_});

  connect(font_, &QListWidget::currentRowChanged, this, &TSelectFont::FaceChosen);
  connect(size_, &QComboBox::editTextChanged, this, &TSelectFont::UpdatePreview);
  for (QCheckBox* box : {bold_, italic_, underline_})
    connect(box, &QCheckBox::toggled, this, &TSelectFont::UpdatePreview);
  SetInitialControl(font_);
  UpdatePreview();
}

void TSelectFont::SetFontTable(const TCustomFontTable& table) {
  faces_.clear();
  font_->clear();
  for (const TFontFace& face : table) {
    const auto& fonts = face.Face.Fonts;
    faces_.push_back({FromDocumentText(face.Name), !fonts[FontStyleIndex::Bold].Name.empty(),
                      !fonts[FontStyleIndex::Italic].Name.empty()});
    auto* item = new QListWidgetItem(QString::fromStdString(fonts[FontStyleIndex::Regular].Name), font_);
    item->setData(FontListDelegate::FamilyRole, ScreenFamily(face.Name));
    item->setData(Qt::AccessibleTextRole, faces_.back().ScreenName);
  }
  font_->setCurrentRow(0);
}

void TSelectFont::SetSizes(const std::vector<std::string>& sizes) {
  const QString text = size_->currentText();
  size_->clear();
  for (const std::string& size : sizes) size_->addItem(QString::fromStdString(size));
  size_->setEditText(text);
}

void TSelectFont::SetSelection(const FontSelection& selection) {
  font_->setCurrentRow(selection.FontIndex);
  size_->setEditText(SizeText(selection.Size));
  bold_->setChecked(selection.Style & FontSelection::BoldBit);
  italic_->setChecked(selection.Style & FontSelection::ItalicBit);
  underline_->setChecked(selection.Style & FontSelection::UnderlineBit);
}

FontSelection TSelectFont::Selection() const {
  FontSelection selection;
  selection.FontIndex = font_->currentRow();
  selection.Size = FontSizeFromText(size_->currentText().toStdString(), NumericField::DecimalSeparator());
  selection.Style = (StyleOn(bold_) ? FontSelection::BoldBit : 0) |
                    (StyleOn(italic_) ? FontSelection::ItalicBit : 0) |
                    (StyleOn(underline_) ? FontSelection::UnderlineBit : 0);
  return selection;
}

bool TSelectFont::StyleOn(const QCheckBox* box) const { return box->isEnabled() && box->isChecked(); }

void TSelectFont::FaceChosen() {
  const int row = font_->currentRow();
  const bool known = row >= 0 && row < int(faces_.size());
  bold_->setEnabled(known && faces_[row].HasBold);
  italic_->setEnabled(known && faces_[row].HasItalic);
  UpdatePreview();
}

void TSelectFont::UpdatePreview() {
  const int row = font_->currentRow();
  QFont font = preview_->font();
  if (row >= 0 && row < int(faces_.size())) font.setFamily(ScreenFamily(faces_[row].ScreenName.toStdString()));
  // The whole points of the Size text.
  const int points = FontSizeFromText(size_->currentText().toStdString(), NumericField::DecimalSeparator()) / 1000;
  font.setPointSize(std::clamp(points, 1, MaxPreviewPoints));
  font.setBold(StyleOn(bold_));
  font.setItalic(StyleOn(italic_));
  font.setUnderline(StyleOn(underline_));
  font.setKerning(false);
  preview_->setFont(font);
}
