#pragma once

#include <QWidget>

class NumericField;
class QToolButton;

// The pair of small arrow buttons beside a numeric field: each click steps the field's
// value by `step`, kept within `minimum` .. `maximum`.
class UpDown : public QWidget {
  Q_OBJECT
 public:
  UpDown(NumericField* field, int minimum, int maximum, int step, QWidget* parent = nullptr);

  void Step(int direction);
  // Enables the buttons together with their field.
  void SetEnabledWithField(bool enabled);

 private:
  NumericField* field_;
  int minimum_;
  int maximum_;
  int step_;
};
