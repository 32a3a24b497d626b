// File menu: new, open, save, save as, exit, and the closing steps.
#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "app/action_ids.h"
#include "app/app_folders.h"
#include "dialogs/dialog_text.h"
#include "app/main_window.h"
#include "app/page_list.h"
#include "app/recovery_keeper.h"
#include "base/atomic_file_leftovers.h"
#include "app/work_area_widget.h"
#include "model/environment_info.h"
#include "model/quarrion_canvas.h"
#include "storage/document_file.h"

namespace {
const QString DocumentFilter = QStringLiteral("Quarrion Document (*.qsl);;All files (*)");

std::string LocalPath(const QString& path) { return QFile::encodeName(path).toStdString(); }

// The hourglass for the length of a long operation.
struct TBusyCursor {
  TBusyCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
  ~TBusyCursor() { QApplication::restoreOverrideCursor(); }
};
}  // namespace

void MainWindow::ConnectFileCommands() {
  actions_.Connect(QString::fromLatin1(ActionId::FileNew), [this] { NewDocument(); });
  actions_.Connect(QString::fromLatin1(ActionId::FileOpen), [this] { OpenCommand(); });
  actions_.Connect(QString::fromLatin1(ActionId::FileSave), [this] { SaveCommand(); });
  actions_.Connect(QString::fromLatin1(ActionId::FileSaveAs), [this] { SaveAs(); });
  actions_.Connect(QString::fromLatin1(ActionId::FileExit), [this] { close(); });
}

TAnswer MainWindow::AskSaveChanges() {
  if (!modified_) return TAnswer::No;
  return prompts_->YesNoCancel(QStringLiteral("Save changes to %1?").arg(fileName_));
}

// Saves a document that wants saving; false when the user cancelled or saving failed
// (the failure of a named document is reported here).
bool MainWindow::SaveChangesFirst() {
  switch (AskSaveChanges()) {
    case TAnswer::Cancel:
      return false;
    case TAnswer::No:
      return true;
    case TAnswer::Yes:
      break;
  }
  if (SaveOrSaveAs()) return true;
  if (fileName_ != QLatin1String(Untitled))
    prompts_->Warning(QStringLiteral("Could not save to file %1").arg(fileName_));
  return false;
}

void MainWindow::NewDocument() {
  if (!SaveChangesFirst()) return;
  TQuarrionCanvas& canvas = WorkArea();
  canvas.DocumentInfo.Reset();
  canvas.DocumentInfo.Title = "New Document";
  canvas.DocumentInfo.Author = EffectiveUserName();
  canvas.PageWidth = 432;
  canvas.PageHeight = 324;
  canvas.Compressed = true;
  fileName_ = QString::fromLatin1(Untitled);
  UpdateCaption();
  canvas.Clear();
  canvas.Resources.Clear();
  modified_ = false;
  recovery_->Discard();
  PageChanged();  // the work area clears itself without events
}

bool MainWindow::SaveOrSaveAs() {
  if (fileName_ != QLatin1String(Untitled)) return SaveDocumentTo(fileName_);
  return SaveAs();
}

void MainWindow::SaveCommand() {
  if (!SaveOrSaveAs() && fileName_ != QLatin1String(Untitled))
    prompts_->Warning(QStringLiteral("Could not save to file %1").arg(fileName_));
}

bool MainWindow::SaveAs() {
  const bool untitled = fileName_ == QLatin1String(Untitled);
  TFileRequest request{tr("Save Slide Show"), DocumentFilter, DocumentsDir,
                       untitled ? QStringLiteral("untitled.qsl")
                                : QFileInfo(fileName_).completeBaseName() + QStringLiteral(".qsl")};
  const QString chosen = prompts_->SaveFileName(request);
  if (chosen.isEmpty()) return false;
  const QFileInfo info(chosen);
  const QString path = QDir(info.path()).filePath(info.completeBaseName() + QStringLiteral(".qsl"));
  // The dialog asked about the name chosen; a different file it never saw is asked about here.
  if (path != chosen && QFileInfo::exists(path) &&
      !prompts_->YesNo(QStringLiteral("%1 already exists.\nDo you want to replace it?").arg(path)))
    return false;
  DocumentsDir = AppFolders::WithSlash(info.path());
  return SaveDocumentTo(path);
}

bool MainWindow::SaveDocumentTo(const QString& path) {
  TBusyCursor busy;
  auto result = SaveDocument(WorkArea(), LocalPath(path), registry_,
                             [this](const std::string& text) { SetStatus(FromDocumentText(text)); });
  if (!result.Ok()) {
    if (!result.Message.empty()) AppendLog(result.Message);
    return false;
  }
  fileName_ = path;
  modified_ = false;
  recovery_->Discard();
  // A save killed midway left its temporary file beside the target.
  RemoveLeftoverTemporaries(LocalPath(path));
  UpdateCaption();
  RememberFile(path);
  return true;
}

void MainWindow::OpenCommand() {
  // Opening replaces the document: changes are offered for saving first.
  if (!SaveChangesFirst()) return;
  const QString path = prompts_->OpenFileName({tr("Open Slide Show"), DocumentFilter, DocumentsDir, {}});
  if (path.isEmpty()) return;
  DocumentsDir = AppFolders::WithSlash(QFileInfo(path).path());
  if (!OpenDocument(path)) prompts_->Warning(QStringLiteral("Not a valid file, or later version."));
}

bool MainWindow::OpenDocument(const QString& path) {
  TBusyCursor busy;
  auto result = LoadDocument(WorkArea(), LocalPath(path), registry_,
                             [this](const std::string& text) { SetStatus(FromDocumentText(text)); });
  if (!result.Ok()) {
    if (!result.Message.empty()) AppendLog(result.Message);
    return false;
  }
  fileName_ = QFileInfo(path).absoluteFilePath();
  modified_ = false;
  recovery_->Discard();
  UpdateCaption();
  RememberFile(fileName_);
  WorkArea().ClearStatic();
  PageChanged();
  return true;
}

bool MainWindow::MayClose() {
  if (!SaveChangesFirst()) return false;
  if (!WriteSettings() && !prompts_->OkCancel(QStringLiteral("Could not save settings"))) return false;
  if (SaveStencils && !SaveStencils() && !prompts_->OkCancel(QStringLiteral("Could not save stencil")))
    return false;
  WorkArea().Resources.Clear();
  recovery_->End();
  return true;
}
