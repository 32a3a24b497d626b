#pragma once

#include <array>

#include "dialogs/property_panel.h"

class QComboBox;
class QGroupBox;
class QLineEdit;
class QRadioButton;
class UpDown;

// The link's page: the kind of jump and where it leads, a slide (first, previous, next,
// last or a given one) or a web address or file.
class LinkPanel : public PropertyPanel {
  Q_OBJECT
 public:
  LinkPanel(PanelServices& services, QWidget* parent);

  bool Edits(const TPDFObject& obj) const override;
  void Apply(TPDFObject& obj) override;
  QWidget* FirstControl() override;

 protected:
  void DoFill(const TPDFObject& first, int count) override;

 private:
  enum Choice { First, Previous, Next, Last, Page };
  void TypeChosen();
  void JumpChosen(Choice choice);
  // Shows the controls the kind of link uses.
  void ShowKind();

  QComboBox* type_ = nullptr;
  QGroupBox* jumpTo_ = nullptr;
  std::array<QRadioButton*, 5> choices_{};
  NumericField* page_ = nullptr;
  UpDown* pageUpDown_ = nullptr;
  QWidget* destinationRow_ = nullptr;
  QLineEdit* destination_ = nullptr;
};
