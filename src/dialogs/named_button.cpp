#include "dialogs/named_button.h"

#include <QPushButton>

#include "dialogs/dialog_text.h"

QPushButton* NamedButton(const QString& objectName, const QString& caption, QWidget* parent) {
  auto* button = new QPushButton(caption, parent);
  button->setObjectName(objectName);
  button->setAccessibleName(WithoutAccelerator(caption));
  button->setAutoDefault(false);
  return button;
}
