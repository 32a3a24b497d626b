#pragma once

#include "dialogs/small_dialog.h"

class QCheckBox;
class NumericField;

// The values the Options dialog edits: program options and the work area's grid.
struct OptionsValues {
  bool ShowPDFOnExport = true;
  bool ConfirmDelete = true;
  bool ShowPropsOnStencilDblClick = true;
  bool SnapToGrid = false;
  int GridSize = 0;
  bool ShowDocPropsOnNew = false;
  bool ShowTooltips = true;
  friend bool operator==(const OptionsValues&, const OptionsValues&) = default;
};

// "Options". The grid size can be edited only while "Snap to &grid" is checked.
class TOptions : public TSmallDialog {
  Q_OBJECT
 public:
  explicit TOptions(QWidget* parent = nullptr);

  void SetValues(const OptionsValues& values);
  // The grid size is the field's number, an empty field giving 0.
  OptionsValues Values() const;

 private:
  QCheckBox* startViewer_;
  QCheckBox* confirmDelete_;
  QCheckBox* showPropsOnAdd_;
  QCheckBox* snapToGrid_;
  NumericField* gridSize_;
  QCheckBox* showDocProps_;
  QCheckBox* showTips_;
};
