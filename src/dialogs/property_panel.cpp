#include "dialogs/property_panel.h"

#include <QLabel>
#include <QPushButton>

#include "dialogs/colour_swatch.h"
#include "dialogs/dialog_text.h"
#include "dialogs/named_button.h"
#include "dialogs/gradient_props_dialog.h"

PropertyPanel::PropertyPanel(const char* name, PanelServices& services, QWidget* parent)
    : QWidget(parent), services_(services) {
  setObjectName(QString::fromLatin1(name));
}

void PropertyPanel::Fill(const TPDFObject& first, int count) {
  filling_ = true;
  DoFill(first, count);
  filling_ = false;
}

void PropertyPanel::Changed() {
  if (!filling_ && OnChanged) OnChanged();
}

QString PropertyPanel::PointsText(double points) {
  QString text = QString::number(points, 'g', 10);
  const char separator = NumericField::DecimalSeparator();
  if (separator != '.') text.replace(QLatin1Char('.'), QLatin1Char(separator));
  return text;
}

double PropertyPanel::DecimalValue(const QLineEdit& field) {
  QString text = field.text();
  const char separator = NumericField::DecimalSeparator();
  if (separator != '.') text.replace(QLatin1Char(separator), QLatin1Char('.'));
  // "0" in front reads "" and "." as 0; the filtered text holds no sign.
  return (QStringLiteral("0") + text).toDouble();
}

QLabel* PropertyPanel::Label(const QString& caption, QWidget* buddy) {
  auto* label = new QLabel(caption, this);
  if (buddy) {
    label->setBuddy(buddy);
    buddy->setAccessibleName(WithoutAccelerator(caption));
  }
  return label;
}

NumericField* PropertyPanel::Numeric(const char* name, NumericFormat format) {
  auto* field = new NumericField(this, format);
  field->setObjectName(QString::fromLatin1(name));
  field->setMaximumWidth(70);
  connect(field, &QLineEdit::textChanged, this, &PropertyPanel::Changed);
  return field;
}

void PropertyPanel::Named(QWidget* widget, const char* name, const QString& caption) {
  widget->setObjectName(QString::fromLatin1(name));
  widget->setAccessibleName(WithoutAccelerator(caption));
}

QPushButton* PropertyPanel::Button(const char* name, const QString& caption) {
  return NamedButton(QString::fromLatin1(name), caption, this);
}

ColourSwatch* PropertyPanel::ColourButton(const char* name, const QString& caption,
                                          QPushButton** buttonOut, bool wired) {
  QPushButton* button = Button(name, caption);
  auto* swatch = new ColourSwatch(this);
  swatch->setObjectName(QString::fromLatin1(name) + QStringLiteral("Swatch"));
  swatch->setFixedSize(40, 20);
  swatch->setFrameShadow(QFrame::Sunken);
  if (wired)
    connect(button, &QPushButton::clicked, this, [this, swatch] {
      TGradProps dialog(this);
      dialog.SetGradientAllowed(false);
      if (ChooseColour(swatch, dialog)) Changed();
    });
  if (buttonOut) *buttonOut = button;
  return swatch;
}

bool PropertyPanel::ChooseColour(ColourSwatch* swatch, TGradProps& dialog) {
  dialog.SetColour(swatch->Colour());
  const bool ok = services_.RunColourDialog ? services_.RunColourDialog(dialog)
                                            : dialog.exec() == QDialog::Accepted;
  if (ok) swatch->SetColour(dialog.Colour());
  return ok;
}
