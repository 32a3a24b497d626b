#include "dialogs/document_properties_dialog.h"

#include <QCheckBox>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "dialogs/dialog_text.h"
#include "dialogs/gradient_preview.h"
#include "dialogs/gradient_props_dialog.h"
#include "dialogs/numeric_field.h"
#include "objects/gradient.h"

namespace {
constexpr int DefaultPageWidth = 432;
constexpr int DefaultPageHeight = 324;

QFrame* MakeSwatch(QWidget* parent, const QString& objectName, const QString& accessibleName) {
  auto* swatch = new QFrame(parent);
  swatch->setObjectName(objectName);
  swatch->setAccessibleName(accessibleName);
  swatch->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  swatch->setFixedSize(48, 24);
  swatch->setAutoFillBackground(true);
  return swatch;
}

void Paint(QFrame* swatch, const QColor& colour) {
  QPalette palette = swatch->palette();
  palette.setColor(QPalette::Window, colour);
  swatch->setPalette(palette);
}
}  // namespace

TDocumentProperties::TDocumentProperties(QWidget* parent)
    : TSmallDialog(QStringLiteral("Document Properties"), parent) {
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(CreatePageDefaults());
  layout->addWidget(CreateExportProperties());
  layout->addWidget(CreateDocumentTexts());
  layout->addStretch(1);
  AddButtons(layout);
  SetTabOrder({findChild<QWidget*>(QStringLiteral("BGCB")), sizeX_, sizeY_, fullScreen_, outlines_, compress_,
               title_, subject_, author_});
  SetBackgroundColour(colour_);
}

TDocumentProperties::~TDocumentProperties() = default;

QWidget* TDocumentProperties::CreatePageDefaults() {
  auto* group = new QGroupBox(QStringLiteral("Page Defaults"), this);
  QPushButton* colourButton = AddButton(QStringLiteral("BGCB"), QStringLiteral("Background &Colour"));
  connect(colourButton, &QPushButton::clicked, this, [this] {
    if (onBackgroundColour_)
      onBackgroundColour_();
    else
      ChooseBackground();
  });
  colourSwatch_ = MakeSwatch(group, QStringLiteral("BGC"), QStringLiteral("Background colour"));
  // The gradient swatch: the gradient drawn on a white box over grey, not editable.
  gradientSwatch_ = new TGradientPreview(group);
  gradientSwatch_->setObjectName(QStringLiteral("BG_Grad"));
  gradientSwatch_->setAccessibleName(QStringLiteral("Background gradient"));
  gradientSwatch_->setFixedSize(colourSwatch_->size());
  gradientSwatch_->hide();

  sizeX_ = new NumericField(group);
  sizeX_->setObjectName(QStringLiteral("SizeX"));
  sizeY_ = new NumericField(group);
  sizeY_->setObjectName(QStringLiteral("SizeY"));
  sizeY_->setAccessibleName(QStringLiteral("Height (points)"));
  for (NumericField* field : {sizeX_, sizeY_}) field->setMaximumWidth(70);

  auto* grid = new QGridLayout(group);
  grid->addWidget(colourButton, 0, 0);
  grid->addWidget(colourSwatch_, 0, 1);
  grid->addWidget(gradientSwatch_, 0, 1);
  grid->addWidget(AddLabel(QStringLiteral("&Size (points):"), sizeX_), 1, 0);
  auto* size = new QHBoxLayout;
  size->addWidget(sizeX_);
  size->addWidget(new QLabel(QStringLiteral("\u00D7"), group));
  size->addWidget(sizeY_);
  size->addStretch(1);
  grid->addLayout(size, 1, 1);
  grid->setColumnStretch(2, 1);
  SetInitialControl(colourButton);
  return group;
}

QWidget* TDocumentProperties::CreateExportProperties() {
  auto* group = new QGroupBox(QStringLiteral("Export Properties"), this);
  fullScreen_ = AddCheckBox(QStringLiteral("FullScreen"), QStringLiteral("Start in &Full Screen mode"));
  outlines_ = AddCheckBox(QStringLiteral("IncludeOutlines"), QStringLiteral("Include &outline tree"));
  compress_ = AddCheckBox(QStringLiteral("Compress"), QStringLiteral("&Compress document"));
  auto* column = new QVBoxLayout(group);
  for (QCheckBox* box : {fullScreen_, outlines_, compress_}) {
    box->setChecked(true);
    column->addWidget(box);
  }
  return group;
}

QWidget* TDocumentProperties::CreateDocumentTexts() {
  auto* group = new QGroupBox(QStringLiteral("Document Properties"), this);
  title_ = AddTextField(QStringLiteral("Title"));
  subject_ = AddTextField(QStringLiteral("Subject"));
  author_ = AddTextField(QStringLiteral("Author"));
  auto* grid = new QGridLayout(group);
  grid->addWidget(AddLabel(QStringLiteral("&Title:"), title_), 0, 0);
  grid->addWidget(title_, 0, 1);
  grid->addWidget(AddLabel(QStringLiteral("S&ubject:"), subject_), 1, 0);
  grid->addWidget(subject_, 1, 1);
  grid->addWidget(AddLabel(QStringLiteral("&Author:"), author_), 2, 0);
  grid->addWidget(author_, 2, 1);
  grid->setColumnMinimumWidth(1, 260);
  return group;
}

QPoint TDocumentProperties::ColourDialogPosition() const { return pos() + QPoint(30, 30); }

void TDocumentProperties::SetBackgroundColour(TColor colour) {
  colour_ = colour;
  gradient_.reset();
  Paint(colourSwatch_, QColor(RedOf(colour), GreenOf(colour), BlueOf(colour)));
  gradientSwatch_->SetGradient(nullptr);
  gradientSwatch_->hide();
  colourSwatch_->show();
}

void TDocumentProperties::SetBackgroundGradient(const TPDFGradient& gradient) {
  gradient_ = std::unique_ptr<TPDFGradient>(static_cast<TPDFGradient*>(gradient.Clone().release()));
  gradientSwatch_->SetGradient(CopyBackgroundGradient());
  colourSwatch_->hide();
  gradientSwatch_->show();
  gradientSwatch_->update();
}

void TDocumentProperties::SetStoredGradient(const TPDFGradient* gradient) {
  storedGradient_.reset();
  if (gradient) storedGradient_.reset(static_cast<TPDFGradient*>(gradient->Clone().release()));
}

void TDocumentProperties::ChooseBackground() {
  TGradProps dialog(this);
  dialog.move(ColourDialogPosition());
  dialog.SetColour(colour_);
  dialog.SetGradientAllowed(true);
  dialog.SetGradient(gradient_ ? gradient_.get() : storedGradient_.get());
  dialog.ShowGradientPanel(gradient_ != nullptr);
  const bool ok = RunColourDialog ? RunColourDialog(dialog) : dialog.exec() == QDialog::Accepted;
  if (!ok) return;
  SetBackgroundColour(dialog.Colour());
  if (dialog.GradientChosen() && dialog.Gradient()) SetBackgroundGradient(*dialog.Gradient());
}

std::unique_ptr<TPDFGradient> TDocumentProperties::CopyBackgroundGradient() const {
  if (!gradient_) return nullptr;
  return std::unique_ptr<TPDFGradient>(static_cast<TPDFGradient*>(gradient_->Clone().release()));
}

void TDocumentProperties::SetPageSize(int width, int height) {
  sizeX_->SetValue(width);
  sizeY_->SetValue(height);
}

int TDocumentProperties::PageWidth() const {
  const long long width = sizeX_->Value();
  return width == 0 ? DefaultPageWidth : int(width);
}

int TDocumentProperties::PageHeight() const {
  const long long height = sizeY_->Value();
  return height == 0 ? DefaultPageHeight : int(height);
}

void TDocumentProperties::SetFullScreen(bool on) { fullScreen_->setChecked(on); }
bool TDocumentProperties::FullScreen() const { return fullScreen_->isChecked(); }
void TDocumentProperties::SetShowOutlines(bool on) { outlines_->setChecked(on); }
bool TDocumentProperties::ShowOutlines() const { return outlines_->isChecked(); }
void TDocumentProperties::SetCompressed(bool on) { compress_->setChecked(on); }
bool TDocumentProperties::Compressed() const { return compress_->isChecked(); }

void TDocumentProperties::SetDocumentTitle(const std::string& title) { title_->setText(FromDocumentText(title)); }
std::string TDocumentProperties::DocumentTitle() const { return ToDocumentText(title_->text()); }
void TDocumentProperties::SetSubject(const std::string& subject) { subject_->setText(FromDocumentText(subject)); }
std::string TDocumentProperties::Subject() const { return ToDocumentText(subject_->text()); }
void TDocumentProperties::SetAuthor(const std::string& author) { author_->setText(FromDocumentText(author)); }
std::string TDocumentProperties::Author() const { return ToDocumentText(author_->text()); }
