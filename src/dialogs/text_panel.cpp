#include "dialogs/text_panel.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <cmath>

#include "dialogs/colour_swatch.h"
#include "dialogs/font_face_list.h"
#include "dialogs/markup_edit.h"
#include "dialogs/up_down.h"
#include "text/text.h"

namespace {
constexpr NumericFormat kPoints{false, false, false, 65535};
const char* const kSizes[] = {"6", "7", "8", "9", "10", "11", "12", "14", "16", "18", "20",
                              "22", "24", "26", "28", "36", "48", "72"};

int Thousandths(double points) { return int(std::lround(points * 1000)); }
}  // namespace

TextPanel::TextPanel(PanelServices& services, QWidget* parent)
    : PropertyPanel("PropPanel_Text", services, parent) {
  text_ = new MarkupEdit(this, [this](const QString& m) {
    if (services_.Warn) services_.Warn(m);
  });
  text_->setObjectName(QStringLiteral("Text_Text"));
  text_->setAccessibleName(tr("Text"));
  text_->setMinimumSize(300, 110);
  text_->OnEdited = [this] { Changed(); };

  auto* colours = new QGroupBox(tr("&Colours"), this);
  auto* colourGrid = new QGridLayout(colours);
  const struct {
    const char* Name;
    QString Caption;
    ColourSwatch** Swatch;
  } colourRows[] = {{"Text_TextColour", tr("&Text"), &textColour_},
                    {"Text_LinkColour", tr("&Links"), &linkColour_},
                    {"Text_BlockColour", tr("Back&ground"), &blockColour_}};
  for (int i = 0; i < 3; ++i) {
    QPushButton* button = nullptr;
    *colourRows[i].Swatch = ColourButton(colourRows[i].Name, colourRows[i].Caption, &button);
    colourGrid->addWidget(button, i, 0);
    colourGrid->addWidget(*colourRows[i].Swatch, i, 1);
  }

  auto* flags = new QGroupBox(tr("Text flags"), this);
  auto* flagColumn = new QVBoxLayout(flags);
  underlineLinks_ = Check<QCheckBox>("Text_UnderlineLinks", tr("&Underline links"));
  wrap_ = Check<QCheckBox>("Text_Wrap", tr("&Wrap text"));
  bulleted_ = Check<QCheckBox>("Text_Bulleted", tr("&Bulleted"));
  smartQuotes_ = Check<QCheckBox>("Text_SmartQuotes", tr("Smart &quotes"));
  blockOut_ = Check<QCheckBox>("Text_BlockOut", tr("Block &out behind"));
  for (QCheckBox* box : {underlineLinks_, wrap_, bulleted_, smartQuotes_, blockOut_}) {
    flagColumn->addWidget(box);
    connect(box, &QCheckBox::toggled, this, &TextPanel::Changed);
  }

  auto* form = new QGridLayout(this);
  form->addWidget(text_, 0, 0, 1, 2);
  form->addWidget(colours, 1, 0);
  form->addWidget(flags, 1, 1);
  form->addWidget(BuildFontGroup(), 2, 0, 1, 2);
  form->setRowStretch(0, 1);
}

QWidget* TextPanel::BuildFontGroup() {
  auto* group = new QGroupBox(tr("Font properties"), this);
  auto* grid = new QGridLayout(group);
  lineSpacing_ = Numeric("Text_LineSpacing", kPoints);
  alignment_ = new QComboBox(this);
  alignment_->setObjectName(QStringLiteral("Text_Alignment"));
  alignment_->addItems({tr("Left"), tr("Right"), tr("Centre")});
  connect(alignment_, &QComboBox::currentIndexChanged, this, &TextPanel::Changed);
  font_ = new FontFaceList(this);
  font_->setObjectName(QStringLiteral("Text_Font"));
  connect(font_, &QComboBox::currentIndexChanged, this, &TextPanel::FaceChanged);
  size_ = new QComboBox(this);
  size_->setObjectName(QStringLiteral("Text_Size"));
  size_->setEditable(true);
  sizeField_ = new NumericField(size_, kPoints);
  size_->setLineEdit(sizeField_);
  for (const char* s : kSizes) size_->addItem(QString::fromLatin1(s));
  connect(sizeField_, &QLineEdit::textChanged, this, &TextPanel::FontSizeChanged);
  bold_ = Check<QCheckBox>("Text_Bold", tr("&Bold"));
  italic_ = Check<QCheckBox>("Text_Italic", tr("&Italic"));
  underline_ = Check<QCheckBox>("Text_Underline", tr("&Underline"));
  for (QCheckBox* box : {bold_, italic_, underline_})
    connect(box, &QCheckBox::toggled, this, &TextPanel::Changed);

  grid->addWidget(Label(tr("Line &spacing:"), lineSpacing_), 0, 0);
  auto* spacingRow = new QHBoxLayout;
  spacingRow->addWidget(lineSpacing_);
  spacingRow->addWidget(new UpDown(lineSpacing_, 0, 65535, 1, this));
  spacingRow->addStretch(1);
  grid->addLayout(spacingRow, 0, 1);
  grid->addWidget(Label(tr("&Alignment:"), alignment_), 0, 2);
  grid->addWidget(alignment_, 0, 3);
  grid->addWidget(Label(tr("&Font:"), font_), 1, 0);
  grid->addWidget(font_, 1, 1);
  grid->addWidget(Label(tr("&Size:"), size_), 1, 2);
  grid->addWidget(size_, 1, 3);
  auto* styles = new QHBoxLayout;
  styles->addWidget(bold_);
  styles->addWidget(italic_);
  styles->addWidget(underline_);
  styles->addStretch(1);
  grid->addLayout(styles, 2, 0, 1, 4);
  return group;
}

bool TextPanel::Edits(const TPDFObject& obj) const { return obj.IsA(ClassId::Text); }

QWidget* TextPanel::FirstControl() { return text_; }

int TextPanel::FontSizeValue() const { return Thousandths(DecimalValue(*sizeField_)); }

void TextPanel::RememberFontSize() { rememberedSize_ = FontSizeValue(); }

void TextPanel::DoFill(const TPDFObject& first, int) {
  const auto& text = static_cast<const TPDFText&>(first);
  text_->SetDocumentText(text.Text());
  textColour_->SetColour(text.TextColour);
  linkColour_->SetColour(text.LinkColour);
  blockColour_->SetColour(text.BlockColour);
  underlineLinks_->setChecked(text.UnderlineLinks);
  wrap_->setChecked(text.Wrap);
  bulleted_->setChecked(text.Bulleted);
  smartQuotes_->setChecked(text.SmartQuotes);
  blockOut_->setChecked(text.BlockOut);
  lineSpacing_->setText(PointsText(text.LineSpacing / 1000.0));
  alignment_->setCurrentIndex(std::min<int>(text.Alignment, 2));
  font_->setCurrentIndex(text.FontFace);
  sizeField_->setText(PointsText(text.FontSize / 1000.0));
  bold_->setChecked(text.FontStyle & TextStyle::Bold);
  italic_->setChecked(text.FontStyle & TextStyle::Italic);
  underline_->setChecked(text.FontStyle & TextStyle::Underline);
  FaceChanged();
  RememberFontSize();
}

void TextPanel::Apply(TPDFObject& obj) {
  auto& text = static_cast<TPDFText&>(obj);
  text.TextColour = textColour_->Colour();
  text.LinkColour = linkColour_->Colour();
  text.BlockColour = blockColour_->Colour();
  if (font_->currentIndex() >= 0) text.FontFace = font_->currentIndex();
  text.FontSize = FontSizeValue();
  std::uint8_t style = 0;
  if (bold_->isEnabled() && bold_->isChecked()) style |= TextStyle::Bold;
  if (italic_->isEnabled() && italic_->isChecked()) style |= TextStyle::Italic;
  if (underline_->isEnabled() && underline_->isChecked()) style |= TextStyle::Underline;
  text.FontStyle = style;
  if (text_->Edited()) text.SetText(text_->DocumentText());
  text.LineSpacing = Thousandths(DecimalValue(*lineSpacing_));
  text.Alignment = std::uint8_t(std::max(alignment_->currentIndex(), 0));
  text.Wrap = wrap_->isChecked();
  text.Bulleted = bulleted_->isChecked();
  text.UnderlineLinks = underlineLinks_->isChecked();
  text.SmartQuotes = smartQuotes_->isChecked();
  text.BlockOut = blockOut_->isChecked();
  text.Dirty = true;
}

void TextPanel::FontSizeChanged() {
  if (Filling()) return;
  // The line spacing keeps its proportion to the font size.
  const int newSize = FontSizeValue();
  if (rememberedSize_ > 0) {
    const double ratio = DecimalValue(*lineSpacing_) / (rememberedSize_ / 1000.0);
    const QSignalBlocker quiet(lineSpacing_);
    lineSpacing_->setText(PointsText(std::round(newSize * ratio) / 1000.0));
  }
  rememberedSize_ = newSize;
  Changed();
}

void TextPanel::FaceChanged() {
  // A face without a bold or italic font offers no such style.
  const int index = font_->currentIndex();
  const auto& table = FontTable();
  const bool known = index >= 0 && index < int(table.size());
  bold_->setEnabled(known && !table[std::size_t(index)].Face.Fonts[FontStyleIndex::Bold].Name.empty());
  italic_->setEnabled(known && !table[std::size_t(index)].Face.Fonts[FontStyleIndex::Italic].Name.empty());
  Changed();
}
