#pragma once

#include <QComboBox>

// A drop-down list of the font table's faces, each entry drawn in its own face.
class FontFaceList : public QComboBox {
  Q_OBJECT
 public:
  explicit FontFaceList(QWidget* parent = nullptr);
};
