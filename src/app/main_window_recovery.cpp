// The slide show commands, and the recovery copies: where they are kept, how often, and
// what is offered at start-up.
#include <QFile>

#include "app/action_ids.h"
#include "app/main_window.h"
#include "app/recovery_keeper.h"
#include "app/show_commands.h"
#include "app/splash_screen.h"
#include "model/quarrion_canvas.h"
#include "shell/recovery_settings.h"
#include "storage/document_file.h"

void MainWindow::CreateSlideShow() {
  show_ = std::make_unique<ShowCommands>(*this);
  show_->Connect(actions_);
  recovery_ = std::make_unique<RecoveryKeeper>(*this, registry_);
}

void MainWindow::StartRecovery(const QString& folder) {
  if (recovery_->Begin(folder)) recovery_->SetInterval(RecoverySettings::ReadInterval(Store()));
}

bool MainWindow::OfferRecovery(SplashScreen* splash) {
  TRecoveryFolder* folder = recovery_->Folder();
  if (!folder) return false;
  const std::vector<TRecoveryCopy> copies = folder->TakeOrphans();
  if (copies.empty()) return false;
  if (splash) splash->hide();
  if (!prompts_->YesNo(QStringLiteral("Quarrion did not close normally. Recover the documents it was editing?"))) {
    for (const TRecoveryCopy& copy : copies) folder->Remove(copy);
    return false;
  }
  // One document at a time: the newest copy opens, the others wait for the next start.
  const TRecoveryCopy& newest = copies.front();
  for (std::size_t i = 1; i < copies.size(); ++i) folder->Release(copies[i]);
  const TFileResult result = LoadDocument(WorkArea(), newest.DocumentPath, registry_);
  if (!result.Ok()) {
    // Kept for a later try: a copy that does not load is still all there is of the work.
    if (!result.Message.empty()) AppendLog(result.Message);
    folder->Release(newest);
    prompts_->Warning(QStringLiteral("Could not open file"));
    return false;
  }
  fileName_ = newest.OriginalPath.empty() ? QString::fromLatin1(Untitled)
                                          : QFile::decodeName(QByteArray::fromStdString(newest.OriginalPath));
  modified_ = true;
  UpdateCaption();
  WorkArea().ClearStatic();
  PageChanged();
  // The work now lives in this program: its own copy replaces the one it came from.
  recovery_->WriteCopy();
  folder->Remove(newest);
  return true;
}
