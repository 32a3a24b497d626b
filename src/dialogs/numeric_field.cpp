#include "dialogs/numeric_field.h"

#include <QLocale>
#include <charconv>

NumericField::NumericField(QWidget* parent, NumericFormat format)
    : NumericField(parent, [format](const FieldText& field) {
        return FilterNumericField(field, format.IntegersOnly, format.AllowNegative, format.Hexadecimal,
                                  format.Maximum, DecimalSeparator());
      }) {
  hexadecimal_ = format.Hexadecimal;
  Refilter();
}

NumericField::NumericField(QWidget* parent, Filter filter) : QLineEdit(parent), filter_(std::move(filter)) {
  connect(this, &QLineEdit::textChanged, this, &NumericField::Refilter);
}

char NumericField::DecimalSeparator() {
  // The default locale is the system's unless the program chose another.
  const QString point = QLocale().decimalPoint();
  if (point.size() == 1 && point[0].unicode() > 32 && point[0].unicode() < 127)
    return char(point[0].unicode());
  return '.';
}

void NumericField::Refilter() {
  // Writing the filtered text back changes the text again; that change is already clean.
  if (filtering_) return;
  filtering_ = true;
  const QString now = text();
  FieldText field{now.toStdString(), std::size_t(now.left(cursorPosition()).toUtf8().size())};
  const FieldText kept = filter_(field);
  const QString keptText = QString::fromStdString(kept.Text);
  if (keptText != now) {
    setText(keptText);
    setCursorPosition(int(QString::fromStdString(kept.Text.substr(0, kept.Caret)).size()));
  }
  filtering_ = false;
}

long long NumericField::Value() const {
  const std::string digits = "0" + text().toStdString();
  long long value = 0;
  const char* end = digits.data() + digits.size();
  const bool negative = digits.size() > 1 && digits[1] == '-';
  const char* start = digits.data() + (negative ? 2 : 0);
  std::from_chars(start, end, value, hexadecimal_ ? 16 : 10);
  return negative ? -value : value;
}

void NumericField::SetValue(long long value) {
  setText(hexadecimal_ ? QString::number(value, 16).toUpper() : QString::number(value));
}
