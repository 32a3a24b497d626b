#include "dialogs/image_panel.h"

#include <QApplication>
#include <QCheckBox>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "dialogs/colour_swatch.h"
#include "dialogs/dialog_text.h"
#include "dialogs/up_down.h"
#include "dialogs/windows1252_guard.h"
#include "objects/image.h"

namespace {
constexpr NumericFormat kSize{true, false, false, 65535};
constexpr NumericFormat kTolerance{true, false, false, 255};

TPDFImage& AsImage(TPDFObject& obj) { return static_cast<TPDFImage&>(obj); }
const TPDFImage& AsImage(const TPDFObject& obj) { return static_cast<const TPDFImage&>(obj); }

QLabel* Times(QWidget* parent) { return new QLabel(QStringLiteral("\u00D7"), parent); }
}  // namespace

ImagePanel::ImagePanel(PanelServices& services, QWidget* parent)
    : PropertyPanel("PropPanel_Image", services, parent) {
  fileName_ = new QLineEdit(this);
  fileName_->setObjectName(QStringLiteral("Image_FileName"));
  // A document keeps 255 bytes of a picture's name, one byte per character.
  fileName_->setMaxLength(int(TPDFImage::kMaxNameLength));
  new Windows1252Guard(fileName_, [this](const QString& m) {
    if (services_.Warn) services_.Warn(m);
  });
  connect(fileName_, &QLineEdit::editingFinished, this, [this] {
    if (fileName_->isModified()) FileNameLeft();
  });
  browse_ = Button("Image_Browse", QStringLiteral("..."));
  browse_->setAccessibleName(tr("Choose a picture file"));
  browse_->setMaximumWidth(30);
  connect(browse_, &QPushButton::clicked, this, &ImagePanel::Browse);

  auto* size = new QGroupBox(tr("&Size Information"), this);
  auto* sizeGrid = new QGridLayout(size);
  originalWidth_ = new QLabel(QStringLiteral("0"), size);
  originalHeight_ = new QLabel(QStringLiteral("0"), size);
  originalWidth_->setObjectName(QStringLiteral("Image_OriginalWidth"));
  originalHeight_->setObjectName(QStringLiteral("Image_OriginalHeight"));
  width_ = Numeric("Image_Width", kSize);
  height_ = Numeric("Image_Height", kSize);
  connect(width_, &QLineEdit::textEdited, this, &ImagePanel::WidthEdited);
  connect(height_, &QLineEdit::textEdited, this, &ImagePanel::HeightEdited);
  preserveAspect_ = Check<QCheckBox>("Image_PreserveAspect", tr("Preserve &Aspect"));
  connect(preserveAspect_, &QCheckBox::toggled, this, &ImagePanel::Changed);
  sizeGrid->addWidget(new QLabel(tr("Originally:"), size), 0, 0);
  sizeGrid->addWidget(originalWidth_, 0, 1);
  sizeGrid->addWidget(Times(size), 0, 2);
  sizeGrid->addWidget(originalHeight_, 0, 3);
  sizeGrid->addWidget(Label(tr("&Now:"), width_), 1, 0);
  sizeGrid->addWidget(width_, 1, 1);
  sizeGrid->addWidget(Times(size), 1, 2);
  sizeGrid->addWidget(height_, 1, 3);
  height_->setAccessibleName(tr("Now height"));
  sizeGrid->addWidget(preserveAspect_, 2, 0, 1, 4);
  sizeGrid->setColumnStretch(4, 1);

  storeInFile_ = Check<QCheckBox>("Image_StoreInFile", tr("Store &in File"));
  connect(storeInFile_, &QCheckBox::clicked, this, &ImagePanel::StoreInFileClicked);

  auto* transparency = new QGroupBox(tr("&Transparency"), this);
  auto* transparencyGrid = new QGridLayout(transparency);
  transparent_ = Check<QCheckBox>("Image_Transparent", tr("Transparent"));
  connect(transparent_, &QCheckBox::clicked, this, &ImagePanel::TransparentClicked);
  colour_ = ColourButton("Image_Colour", tr("&Colour"), &colourButton_);
  tolerance_ = Numeric("Image_Tolerance", kTolerance);
  toleranceUpDown_ = new UpDown(tolerance_, 0, 255, 1, this);
  transparencyGrid->addWidget(transparent_, 0, 0, 1, 3);
  transparencyGrid->addWidget(colourButton_, 1, 0);
  transparencyGrid->addWidget(colour_, 1, 1, Qt::AlignLeft);
  transparencyGrid->addWidget(Label(tr("To&lerance"), tolerance_), 2, 0);
  auto* toleranceRow = new QHBoxLayout;
  toleranceRow->addWidget(tolerance_);
  toleranceRow->addWidget(toleranceUpDown_);
  toleranceRow->addStretch(1);
  transparencyGrid->addLayout(toleranceRow, 2, 1);

  auto* form = new QGridLayout(this);
  form->addWidget(Label(tr("&Filename:"), fileName_), 0, 0);
  auto* fileRow = new QHBoxLayout;
  fileRow->addWidget(fileName_, 1);
  fileRow->addWidget(browse_);
  form->addLayout(fileRow, 0, 1);
  form->addWidget(size, 1, 0, 1, 2);
  form->addWidget(storeInFile_, 2, 0, 1, 2);
  form->addWidget(transparency, 3, 0, 1, 2);
  form->setRowStretch(4, 1);
}

bool ImagePanel::Edits(const TPDFObject& obj) const { return obj.IsA(ClassId::Image); }

QWidget* ImagePanel::FirstControl() {
  return count_ == 1 ? static_cast<QWidget*>(browse_) : preserveAspect_;
}

void ImagePanel::DoFill(const TPDFObject& first, int count) {
  const TPDFImage& image = AsImage(first);
  count_ = count;
  fileName_->setText(FromDocumentText(image.ImageFileName()));
  fileName_->setModified(false);
  // The file and the aspect flag belong to one picture; several keep theirs.
  fileName_->setEnabled(count == 1);
  browse_->setEnabled(count == 1);
  preserveAspect_->setChecked(image.PreserveAspect);
  storeInFile_->setChecked(image.StoreInFile());
  storeInFile_->setEnabled(!image.ImageFileName().empty() &&
                           QFileInfo::exists(QString::fromStdString(image.ImageFileName())));
  tolerance_->SetValue(image.Tolerance());
  ShowPicture(image);
}

void ImagePanel::ShowPicture(const TPDFObject& obj) {
  const TPDFImage& image = AsImage(obj);
  const bool loaded = image.Loaded();
  originalWidth_->setNum(loaded ? image.Bitmap().Width() : 0);
  originalHeight_->setNum(loaded ? image.Bitmap().Height() : 0);
  adjusting_ = true;
  width_->SetValue(loaded ? image.Right - image.Left : 0);
  height_->SetValue(loaded ? image.Bottom - image.Top : 0);
  adjusting_ = false;
  sizeEnabled_ = loaded;
  width_->setEnabled(loaded);
  height_->setEnabled(loaded);
  transparent_->setChecked(image.Transparent);
  colour_->SetColour(image.TransparentColour());
  EnableTransparency();
}

void ImagePanel::Apply(TPDFObject& obj) {
  TPDFImage& image = AsImage(obj);
  if (browse_->isEnabled()) {
    image.PreserveAspect = preserveAspect_->isChecked();
    image.LoadImage(ToDocumentText(fileName_->text()));
  }
  if (!sizeEnabled_) return;
  image.Right = ClampCoord(static_cast<long long>(image.Left) + width_->Value());
  image.Bottom = ClampCoord(static_cast<long long>(image.Top) + height_->Value());
  image.Transparent = transparent_->isChecked();
  image.SetTransparentColour(colour_->Colour());
  image.SetTolerance(int(tolerance_->Value()));
}

void ImagePanel::Browse() {
  const QString chosen = services_.ChoosePicture ? services_.ChoosePicture() : QString();
  if (chosen.isEmpty()) return;
  if (chosen.size() > qsizetype(TPDFImage::kMaxNameLength)) {
    // Cut short, the name would point at another file.
    if (services_.Warn)
      services_.Warn(tr("The picture's file name is longer than %1 characters.").arg(TPDFImage::kMaxNameLength));
    return;
  }
  fileName_->setText(chosen);
  FileNameLeft();
}

void ImagePanel::FileNameLeft() {
  TPDFObject* first = services_.FirstObject ? services_.FirstObject() : nullptr;
  if (!first || !Edits(*first)) return;
  QApplication::setOverrideCursor(Qt::WaitCursor);
  TPDFImage& image = AsImage(*first);
  image.LoadImage(ToDocumentText(fileName_->text()));
  fileName_->setText(FromDocumentText(image.ImageFileName()));
  fileName_->setModified(false);
  ShowPicture(image);
  Changed();
  QApplication::restoreOverrideCursor();
}

void ImagePanel::WidthEdited() {
  if (adjusting_) return;
  const int w = originalWidth_->text().toInt(), h = originalHeight_->text().toInt();
  if (preserveAspect_->isChecked() && w > 0) {
    adjusting_ = true;
    height_->SetValue(width_->Value() * h / w);
    adjusting_ = false;
  }
  Changed();
}

void ImagePanel::HeightEdited() {
  if (adjusting_) return;
  const int w = originalWidth_->text().toInt(), h = originalHeight_->text().toInt();
  if (preserveAspect_->isChecked() && h > 0) {
    adjusting_ = true;
    width_->SetValue(height_->Value() * w / h);
    adjusting_ = false;
  }
  Changed();
}

void ImagePanel::StoreInFileClicked(bool on) {
  if (services_.ForEachObject)
    services_.ForEachObject([this, on](TPDFObject& obj) {
      if (Edits(obj)) AsImage(obj).SetStoreInFile(on);
    });
}

void ImagePanel::TransparentClicked() {
  EnableTransparency();
  Changed();
}

void ImagePanel::EnableTransparency() {
  const bool on = transparent_->isChecked();
  colourButton_->setEnabled(on);
  colour_->setEnabled(on);
  toleranceUpDown_->SetEnabledWithField(on);
}

void ImagePanel::ObjectMoved(const TPDFObject& obj) {
  if (!Edits(obj) || !sizeEnabled_) return;
  adjusting_ = true;
  {
    const QSignalBlocker quietWidth(width_), quietHeight(height_);
    width_->SetValue(obj.Right - obj.Left);
    height_->SetValue(obj.Bottom - obj.Top);
  }
  adjusting_ = false;
}
