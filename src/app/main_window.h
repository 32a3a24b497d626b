#pragma once

#include <QMainWindow>
#include <QString>
#include <QStringList>
#include <functional>
#include <memory>

#include "app/action_registry.h"
#include "app/prompts.h"
#include "shell/designer_settings.h"

class Commands;
class QLabel;
class QMenu;
class QSplitter;
class PageList;
class RecoveryKeeper;
class ShowCommands;
class PagePanel;
class SplashScreen;
class TooltipGate;
class TLog;
class TLookupTableManager;
class TPageProps;
class TQuarrionCanvas;
class WorkAreaWidget;

// The designer's main window (TForm1 of the design): the work area with the page panel
// above it, the page list and the stencil place at the left, the menus, the toolbar and
// the status bar. The constructor only calls the set-up functions; the commands live in
// files by menu (file_commands.cpp, ...), the work-area reactions in
// main_window_events.cpp, the start-up steps in main_window_startup.cpp.
class MainWindow : public QMainWindow {
  Q_OBJECT
 public:
  static constexpr const char* Untitled = "(untitled)";

  explicit MainWindow(TLookupTableManager& registry, QWidget* parent = nullptr);
  ~MainWindow() override;

  // The steps when the window is first shown, in their order: folders, settings, a new
  // document, the command line. `splash` shows the progress texts (may be null).
  void Start(const QStringList& arguments, SplashScreen* splash = nullptr);

  // ---- Parts other code and tests reach -----------------------------------------------
  TQuarrionCanvas& WorkArea();
  WorkAreaWidget* WorkAreaControl() const { return workAreaWidget_; }
  ActionRegistry& Actions() { return actions_; }
  PagePanel* Panel() const { return pagePanel_; }
  PageList* Pages() const { return pageList_; }
  QWidget* StencilPlace() const { return stencilPlace_; }
  QLabel* StatusText() const { return status_; }
  void SetPrompts(std::unique_ptr<Prompts> prompts);
  // The commands of the Edit, Object, Slide, Tools and Help menus and the exports.
  Commands& Cmds() { return *commands_; }
  Prompts& Ask() { return *prompts_; }
  // The slide show commands and the keeper of recovery copies.
  ShowCommands& Show() { return *show_; }
  RecoveryKeeper& Recovery() { return *recovery_; }
  // Where the settings are read and written (QSettings unless replaced).
  SettingsStore& Store();
  void SetStore(std::unique_ptr<SettingsStore> store);
  // LoadSettings and SaveSettings of the design, applied to this window.
  bool ReadSettings();
  bool WriteSettings();

  const DesignerSettings& Settings() const { return settings_; }
  void SetTooltipsShown(bool shown);
  bool TooltipsShown() const;

  // ---- Document state -------------------------------------------------------------
  const QString& FileName() const { return fileName_; }
  bool Modified() const { return modified_; }
  void SetModified(bool modified) { modified_ = modified; }
  QString DocumentsDir, PDFDir, SVGDir, PluginsDir;

  // ---- File (file_commands.cpp) --------------------------------------------------------
  void NewDocument();
  TAnswer AskSaveChanges();
  bool SaveOrSaveAs();
  bool SaveAs();
  void OpenCommand();
  void SaveCommand();
  // Loads `path` into the work area; false (and nothing changed) when it does not load.
  bool OpenDocument(const QString& path);
  bool SaveDocumentTo(const QString& path);
  // Recent files, most recent first.
  QStringList RecentFiles() const;
  void OpenRecent(const QString& path);
  // The closing steps; false when the user chose to keep the window open.
  bool MayClose();
  // Opens the first document argument that loads (switches skipped).
  void OpenCommandLine(const QStringList& arguments, SplashScreen* splash);

  // ---- Recovery (main_window_recovery.cpp) ------------------------------------------
  // Takes this program's place in the recovery folder and starts copying at the stored
  // interval.
  void StartRecovery(const QString& folder);
  // Offers the copies that ended programs left: Yes opens the newest as a modified
  // document under its original name, No removes them. True when one was opened.
  // The splash (may be null) is hidden first, so it never covers the question.
  bool OfferRecovery(SplashScreen* splash = nullptr);

  void SetStatus(const QString& text);
  // The message log window and the page properties dialog, created once.
  TLog* MessageLog() const { return logDialog_; }
  TPageProps* PageProperties() const { return pagePropsDialog_; }
  // "More ..." and the page menu's "Page Properties ...".
  void PagePropertiesCommand();
  // Appends a Windows-1252 line to the message log.
  void AppendLog(const std::string& line);
  // Enables every action by the rules (page count, selection, undo, clipboard).
  void ApplyEnabling();
  // The commands' clipboard tells whether Paste has something to paste.
  void SetClipboardFilled(bool filled);
  // Hooks the stencil and plug-in parts fill: run at their places of start-up and
  // closing (false from SaveStencils asks "Could not save stencil").
  std::function<void()> LoadSystemStencils;
  std::function<void()> LoadUserStencils;
  std::function<bool()> SaveStencils;
  std::function<void()> LoadPlugins;
  // Height of the page-list panel above the stencil place (kept in the settings).
  int PageListHeight() const;
  void SetPageListHeight(int height);

 protected:
  void closeEvent(QCloseEvent* event) override;
  void showEvent(QShowEvent* event) override;
  bool event(QEvent* event) override;

 private:
  void CreateActions();
  void CreateMenus();
  void CreateContextMenus();
  void CreateToolBar();
  void CreateStatusBar();
  void CreatePanels();
  void CreateDialogs();
  void ConnectWorkArea();
  void RouteHints();
  void ConnectFileCommands();
  void CreateCommands();  // commands.cpp
  void CreateSlideShow();  // main_window_recovery.cpp
  void UpdateCaption();
  void ApplyPageListHeight();
  bool SaveChangesFirst();
  void RememberFile(const QString& path);
  void RebuildRecentFiles();

  // Work-area events (main_window_events.cpp).
  void PageChanged();
  void SelectionChanged();
  void UndoChanged();
  void ShowContextMenu(int x, int y);
  void PageEdited(int firstLine);
  void WritingSection(int section, int number);

  TLookupTableManager& registry_;
  ActionRegistry actions_;
  std::unique_ptr<Prompts> prompts_;
  std::unique_ptr<Commands> commands_;
  std::unique_ptr<ShowCommands> show_;
  std::unique_ptr<RecoveryKeeper> recovery_;
  WorkAreaWidget* workAreaWidget_ = nullptr;
  PagePanel* pagePanel_ = nullptr;
  PageList* pageList_ = nullptr;
  QWidget* stencilPlace_ = nullptr;
  QSplitter* leftSplitter_ = nullptr;
  QLabel* status_ = nullptr;
  QMenu* fileMenu_ = nullptr;
  QString fileName_ = QString::fromLatin1(Untitled);
  std::unique_ptr<SettingsStore> store_;
  DesignerSettings settings_;
  TooltipGate* tooltips_ = nullptr;
  QList<QAction*> recentActions_;
  bool modified_ = false;
  bool clipboardFilled_ = false;
  int pendingPageListHeight_ = 0;
  TLog* logDialog_ = nullptr;
  TPageProps* pagePropsDialog_ = nullptr;
};
