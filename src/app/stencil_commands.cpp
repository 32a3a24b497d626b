#include "app/stencil_commands.h"

#include <QAction>
#include <QMenu>
#include <QVBoxLayout>
#include <algorithm>

#include "app/action_ids.h"
#include "app/app_folders.h"
#include "app/command_seams.h"
#include "app/commands.h"
#include "app/main_window.h"
#include "app/object_commands.h"
#include "app/stencil_icons.h"
#include "app/stencil_panel.h"
#include "app/work_area_widget.h"
#include "dialogs/stencil_properties_dialog.h"
#include "model/quarrion_canvas.h"
#include "model/windows1252.h"
#include "storage/builtin_stencils.h"

namespace {
QString Caption(const TStencil& s) { return QString::fromStdString(Windows1252ToUtf8(s.Caption)); }
}  // namespace

StencilCommands::StencilCommands(MainWindow& window, TLookupTableManager& registry, QString stencilFile)
    : QObject(&window), window_(window), registry_(registry), file_(std::move(stencilFile)),
      panel_(new StencilPanel(window.StencilPlace())),
      properties_(new TStencilProperties(&window)) {
  window.StencilPlace()->layout()->addWidget(panel_);
  properties_->SetIcons(StencilIcons::All());
  properties_->SetWarningHandler([this](const QString& text) { window_.Ask().Warning(text); });
  ConnectWindow();
  ConnectPanel();
}

StencilCommands::~StencilCommands() = default;

StencilCommands* StencilCommands::Install(MainWindow& window, TLookupTableManager& registry) {
  return new StencilCommands(window, registry, AppFolders::Data() + QStringLiteral("default.stn"));
}

void StencilCommands::LoadSystemStencils() {
  for (TStencil& s : MakeBuiltinStencils()) Append(std::move(s));
}

// A damaged file keeps the stencils read before the damage.
void StencilCommands::LoadUserStencils() {
  std::vector<TStencil> loaded;
  const TFileResult result = LoadStencilFile(file_.toStdString(), registry_, loaded);
  for (TStencil& s : loaded) Append(std::move(s));
  if (!result.Ok()) {
    window_.AppendLog("Error loading stencils: " + result.Message);
    window_.Ask().Warning(QStringLiteral("Error loading stencils"));
  }
  RebuildMenus();
}

bool StencilCommands::SaveUserStencils() {
  AppFolders::Make(AppFolders::Data());
  const TFileResult result = SaveStencilFile(file_.toStdString(), stencils_, registry_);
  if (!result.Ok()) window_.AppendLog("Could not save stencil: " + result.Message);
  return result.Ok();
}

void StencilCommands::DroppedOutside(int x, int y) {
  if (window_.WorkArea().Selection().empty()) return;
  const QPoint global = window_.WorkAreaControl()->mapToGlobal(QPoint(x, y));
  const QPoint p = panel_->viewport()->mapFromGlobal(global);
  const QSize size = panel_->viewport()->size();
  if (p.x() >= 1 && p.y() >= 1 && p.x() < size.width() && p.y() < size.height()) MakeStencil();
}

void StencilCommands::MakeStencil() {
  TQuarrionCanvas& canvas = window_.WorkArea();
  const TPDFSelection selection = canvas.Selection();
  if (selection.empty()) return;
  if (selection.size() > kMaxStencilObjects) {
    window_.Ask().Warning(QStringLiteral("A stencil holds at most %1 objects.").arg(kMaxStencilObjects));
    return;
  }
  properties_->SetStencilName("New Stencil");
  properties_->SetIconIndex(0);
  properties_->SetObjectCount(int(selection.size()));
  PlaceDialog(*properties_, window_, 100);
  if (!window_.Ask().ShowModal(*properties_)) return;
  TStencil s;
  s.Caption = properties_->StencilName();
  s.Icon = std::max(properties_->IconIndex(), 0);
  for (int index : selection) s.Objects.push_back(canvas.CurrentPage().Objects[std::size_t(index)]->Clone());
  Append(std::move(s));
  RebuildMenus();
}

void StencilCommands::StencilProperties(int index) {
  if (index < 0 || index >= int(stencils_.size()) || stencils_[std::size_t(index)].BuiltIn) return;
  TStencil& s = stencils_[std::size_t(index)];
  properties_->SetStencilName(s.Caption);
  properties_->SetIconIndex(s.Icon);
  properties_->SetObjectCount(int(s.Objects.size()));
  if (!window_.Ask().ShowModal(*properties_)) return;
  s.Caption = properties_->StencilName();
  if (properties_->IconIndex() >= 0) s.Icon = properties_->IconIndex();
  ShowEntry(index);
  RebuildMenus();
}

void StencilCommands::DeleteStencil(int index) {
  Release();
  if (index < 0 || index >= int(stencils_.size()) || stencils_[std::size_t(index)].BuiltIn) return;
  if (window_.Ask().YesNoCancel(QStringLiteral("Delete this stencil?")) != TAnswer::Yes) return;
  stencils_.erase(stencils_.begin() + index);
  panel_->Remove(index);
  RebuildMenus();
}

void StencilCommands::Append(TStencil stencil) {
  stencils_.push_back(std::move(stencil));
  panel_->Append(Caption(stencils_.back()), StencilIcons::Icon(stencils_.back().Icon));
}

void StencilCommands::ShowEntry(int index) {
  const TStencil& s = stencils_[std::size_t(index)];
  panel_->SetEntry(index, Caption(s), StencilIcons::Icon(s.Icon));
}

// The Stencil and Insert menus hold one entry per stencil at the stencil's index, ahead of
// any entries plug-ins add. Rebuilt whole after every change, so each entry names its own
// stencil.
void StencilCommands::RebuildMenus() {
  QMenu* stencilMenu = window_.Actions().Menu(QString::fromLatin1(MenuId::Stencil));
  QMenu* insertMenu = window_.Actions().Menu(QString::fromLatin1(MenuId::Insert));
  // Taken out at once, deleted later: one of them may be the entry being chosen.
  for (QMenu* old : stencilMenus_) {
    stencilMenu->removeAction(old->menuAction());
    old->deleteLater();
  }
  for (QAction* old : insertEntries_) {
    insertMenu->removeAction(old);
    old->deleteLater();
  }
  stencilMenus_.clear();
  insertEntries_.clear();
  QAction* stencilAnchor = stencilMenu->actions().value(0);
  QAction* insertAnchor = insertMenu->actions().value(0);
  for (int i = 0; i < int(stencils_.size()); ++i) {
    auto* submenu = new QMenu(Caption(stencils_[std::size_t(i)]), stencilMenu);
    FillEntryMenu(*submenu, i);
    stencilMenu->insertMenu(stencilAnchor, submenu);
    stencilMenus_ << submenu;
    auto* insert = new QAction(Caption(stencils_[std::size_t(i)]), insertMenu);
    connect(insert, &QAction::triggered, this, [this, i] { AddToPage(i); });
    insertMenu->insertAction(insertAnchor, insert);
    insertEntries_ << insert;
  }
  stencilMenu->menuAction()->setVisible(!stencilMenu->isEmpty());
  insertMenu->menuAction()->setVisible(!insertMenu->isEmpty());
}

// The entries of the stencil context menu; Delete and Properties only for user stencils.
void StencilCommands::FillEntryMenu(QMenu& menu, int index) {
  const bool user = !stencils_[std::size_t(index)].BuiltIn;
  QAction* add = menu.addAction(tr("&Add to Page"), this, [this, index] { AddToPage(index); });
  menu.setDefaultAction(add);
  menu.addAction(tr("&Copy to Clipboard"))->setEnabled(false);
  menu.addSeparator();
  menu.addAction(tr("&Delete Stencil"), this, [this, index] {
        panel_->Select(index);
        DeleteStencil(index);
      })->setEnabled(user);
  menu.addAction(tr("Stencil &Properties ..."), this, [this, index] {
        panel_->Select(index);
        Release();
        StencilProperties(index);
      })->setEnabled(user);
}

void StencilCommands::ShowContextMenu(const QPoint& at) {
  const int index = panel_->SelectedIndex();
  QListWidgetItem* under = panel_->itemAt(at);
  if (index < 0 || !under || panel_->row(under) != index) return;
  Release();
  QMenu menu(panel_);
  FillEntryMenu(menu, index);
  menu.exec(panel_->viewport()->mapToGlobal(at));
}
