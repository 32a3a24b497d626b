#pragma once

#include <QDialog>
#include <functional>
#include <memory>
#include <vector>

#include "dialogs/property_panel.h"
#include "model/quarrion_canvas.h"

class QStackedWidget;
class QtCanvasHost;

// "Object Properties": edits copies of the objects selected on the main work area's
// current page in a preview work area of its own. The page of the objects' class is filled
// from the first of them; each change of a control is applied at once to every copy of
// that class, and the copies can be moved and resized in the preview. Objects of several
// classes get no page, but can still be moved.
//
// The caller owns the undo group; OK is applied by ApplyTo:
//   main.StartUndo();
//   if (dialog.Edit(main)) { dialog.ApplyTo(main); main.EndUndo(); } else main.CancelUndo();
class TForm2 : public QDialog {
  Q_OBJECT
 public:
  explicit TForm2(QWidget* parent = nullptr);
  ~TForm2() override;

  // Puts a copy of every selected object of `main` into the preview (which takes main's
  // page size and grid size and shows main's page behind the copies) and fills the page
  // of their class. `main` must outlive the dialog's use of it.
  void Fill(TQuarrionCanvas& main);
  // Fill, then run the dialog; true when it closed with OK.
  bool Edit(TQuarrionCanvas& main);
  // Each selected object of `main` takes over the state of the copy made from it.
  void ApplyTo(TQuarrionCanvas& main) const;

  // The copies, in the order of main's selection.
  const std::vector<TPDFObject*>& Copies() const { return copies_; }
  TQuarrionCanvas& Preview() { return preview_; }
  QtCanvasHost* PreviewHost() const { return host_; }
  // The page shown, or nothing for objects of several classes.
  PropertyPanel* CurrentPanel() const { return panel_; }

  // What the panels ask of the program; the defaults use Qt's own dialogs.
  PanelServices& Services() { return services_; }
  // "&Help" opens the help topic of this number (the first copy's help context).
  std::function<void(int topic)> OnHelp;

  void done(int result) override;

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void BuildPanels();
  void ApplyPanel();
  // Keeps every copy selected while fewer than all but one are, so the mouse moves and
  // resizes them together.
  void SelectionRule();
  void TakeCopiesBack();
  PropertyPanel* PanelFor(const std::vector<TPDFObject*>& objects) const;

  PanelServices services_;
  TQuarrionCanvas preview_;
  QtCanvasHost* host_ = nullptr;
  QStackedWidget* panels_ = nullptr;
  std::vector<PropertyPanel*> allPanels_;
  PropertyPanel* panel_ = nullptr;
  TQuarrionCanvas* main_ = nullptr;
  std::vector<TPDFObject*> copies_;
  // The copies after the dialog closed and took them off its page.
  std::vector<std::unique_ptr<TPDFObject>> taken_;
  bool selecting_ = false;
};
