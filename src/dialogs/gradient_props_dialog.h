#pragma once

#include <QDialog>
#include <memory>

#include "base/geometry.h"

class GradientEndTab;
class GradientPresetList;
class QPushButton;
class QRadioButton;
class QTabWidget;
class SolidColourPanel;
class TGradientPreview;
class TPDFGradient;

// "Colour Properties": a solid colour, or a two-colour gradient edited on a preview whose
// start and end points can be dragged, with a list of ready-made gradient shapes. The
// caller presets the colour (and the gradient, where one is allowed), runs the dialog and
// reads back either the colour or the gradient, as GradientChosen says.
class TGradProps : public QDialog {
  Q_OBJECT
 public:
  explicit TGradProps(QWidget* parent = nullptr);
  ~TGradProps() override;

  void SetColour(TColor colour);
  TColor Colour() const;
  // Whether "Use &gradient fill" is offered (only fills take a gradient).
  void SetGradientAllowed(bool allowed);
  // Edits a copy of `gradient`; nothing gives the default gradient.
  void SetGradient(const TPDFGradient* gradient);
  // The gradient being edited (the preview's).
  const TPDFGradient* Gradient() const;
  // Which panel shows: the gradient panel means a gradient is chosen.
  void ShowGradientPanel(bool show);
  bool GradientChosen() const;

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  QWidget* BuildGradientPanel();
  // Connects end `i`'s tab to the preview's gradient and the preset list.
  void WireEnd(int i);
  void Reload();
  void PresetChosen(int row);
  void TypeChosen();
  void GradientEdited();

  SolidColourPanel* solid_ = nullptr;
  QWidget* gradPanel_ = nullptr;
  QPushButton* useSolid_ = nullptr;
  QPushButton* useGradient_ = nullptr;
  QTabWidget* endSelect_ = nullptr;
  GradientEndTab* ends_[2] = {nullptr, nullptr};
  QRadioButton* axial_ = nullptr;
  QRadioButton* radial_ = nullptr;
  GradientPresetList* presets_ = nullptr;
  TGradientPreview* preview_ = nullptr;
  bool updating_ = false;
};
