#pragma once

#include <QListWidget>
#include <memory>
#include <vector>

#include "base/geometry.h"

class TPDFGradient;

// The colour dialog's list of gradients: "Custom Gradient" first, whose gradient is the
// one being edited (not owned), then the six ready-made shapes (owned copies). Each entry
// is drawn as a small sample of its gradient beside its name.
class GradientPresetList : public QListWidget {
  Q_OBJECT
 public:
  explicit GradientPresetList(QWidget* parent = nullptr);
  ~GradientPresetList() override;

  static constexpr int kEntries = 7;
  TPDFGradient* Entry(int row) const;
  void SetCustom(TPDFGradient* gradient);
  // Gives every entry the colour at one end, so the list shows the user's colours.
  void SetStartColour(TColor colour);
  void SetEndColour(TColor colour);

 private:
  TPDFGradient* custom_ = nullptr;
  std::vector<std::unique_ptr<TPDFGradient>> presets_;
};
