#include "dialogs/up_down.h"

#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>

#include "dialogs/numeric_field.h"

UpDown::UpDown(NumericField* field, int minimum, int maximum, int step, QWidget* parent)
    : QWidget(parent), field_(field), minimum_(minimum), maximum_(maximum), step_(step) {
  auto* column = new QVBoxLayout(this);
  column->setContentsMargins(0, 0, 0, 0);
  column->setSpacing(0);
  const auto add = [&](Qt::ArrowType arrow, int direction) {
    auto* button = new QToolButton(this);
    button->setArrowType(arrow);
    button->setFixedSize(16, 11);
    button->setAutoRepeat(true);
    button->setFocusPolicy(Qt::NoFocus);
    connect(button, &QToolButton::clicked, this, [this, direction] { Step(direction); });
    column->addWidget(button);
  };
  add(Qt::UpArrow, 1);
  add(Qt::DownArrow, -1);
  setFixedSize(16, 22);
  if (!field_->objectName().isEmpty()) setObjectName(field_->objectName() + QStringLiteral("UpDown"));
}

void UpDown::Step(int direction) {
  if (!field_->isEnabled()) return;
  const long long next = field_->Value() + static_cast<long long>(direction) * step_;
  field_->SetValue(std::clamp<long long>(next, minimum_, maximum_));
}

void UpDown::SetEnabledWithField(bool enabled) {
  field_->setEnabled(enabled);
  setEnabled(enabled);
}
