#pragma once

#include <QList>
#include <QObject>
#include <QString>
#include <memory>
#include <vector>

#include "storage/stencil_file.h"

class MainWindow;
class QAction;
class QMenu;
class StencilPanel;
class TLookupTableManager;
class TStencilProperties;
struct TShiftState;
enum class TMouseButton;

// The stencil library of the main window: the stencils (built-in ones first), the panel
// that shows them, their entries in the Stencil and Insert menus, and every way of putting
// a stencil on the page or making one. Loading and saving run through the window's
// start-up and closing hooks, which Install fills.
class StencilCommands : public QObject {
  Q_OBJECT
 public:
  StencilCommands(MainWindow& window, TLookupTableManager& registry, QString stencilFile);
  ~StencilCommands() override;

  // Creates the library for `window`: the panel in the window's stencil place and the
  // hooks of start-up, closing, the work area and "Add as Stencil". The window owns it.
  static StencilCommands* Install(MainWindow& window, TLookupTableManager& registry);

  const std::vector<TStencil>& Stencils() const { return stencils_; }
  StencilPanel* Panel() const { return panel_; }
  TStencilProperties* PropertiesDialog() const { return properties_; }
  const QString& StencilFile() const { return file_; }

  // Start-up and closing (stencil_commands.cpp).
  void LoadSystemStencils();
  void LoadUserStencils();
  bool SaveUserStencils();

  // Making and editing stencils (stencil_commands.cpp).
  // Objects dropped outside the work area at (x, y) of its control: a stencil when the
  // point lies inside the panel.
  void DroppedOutside(int x, int y);
  // The properties dialog for a new stencil of the selected objects.
  void MakeStencil();
  void StencilProperties(int index);
  void DeleteStencil(int index);

  // Placing stencils (stencil_placing.cpp).
  // The selected stencil dropped at (x, y) of the work-area control.
  void DropStencil(int x, int y, bool fromPanel);
  void ToolClick(TMouseButton button, TShiftState shift, int x, int y);
  void AddToPage(int index);

  // Takes stencil drags over the work area.
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void ConnectWindow();
  void ConnectPanel();
  void Append(TStencil stencil);
  void ShowEntry(int index);
  void RebuildMenus();
  void FillEntryMenu(QMenu& menu, int index);
  void ShowContextMenu(const QPoint& at);
  void SelectionChanged();
  void SetLatched(bool latched);
  void Release();
  bool OfferProperties();
  std::vector<TPDFObject*> PlaceCopies(std::vector<std::unique_ptr<TPDFObject>> copies);
  bool HandleDrop(QEvent* event);

  MainWindow& window_;
  TLookupTableManager& registry_;
  QString file_;
  std::vector<TStencil> stencils_;
  StencilPanel* panel_;
  TStencilProperties* properties_;
  QList<QMenu*> stencilMenus_;
  QList<QAction*> insertEntries_;
};
