#pragma once

#include <QComboBox>

#include "model/pdf_types.h"

// A drop-down list of the dash styles, each entry drawn as a line sample of its pattern.
class DashPatternList : public QComboBox {
  Q_OBJECT
 public:
  explicit DashPatternList(QWidget* parent = nullptr);

  // Selects the style with `pattern`; a pattern of no style leaves nothing selected.
  void SetPattern(const TDashPattern& pattern);
  // The selected style's pattern; false when nothing is selected.
  bool Pattern(TDashPattern& pattern) const;

 protected:
  void paintEvent(QPaintEvent* event) override;
};
