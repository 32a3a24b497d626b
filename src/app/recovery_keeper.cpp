#include "app/recovery_keeper.h"

#include <QDateTime>
#include <QFile>

#include "app/app_folders.h"
#include "app/main_window.h"
#include "base/atomic_file_leftovers.h"
#include "storage/document_file.h"

RecoveryKeeper::RecoveryKeeper(MainWindow& window, const TLookupTableManager& registry)
    : window_(window), registry_(registry) {
  connect(&timer_, &QTimer::timeout, this, [this] { WriteCopy(); });
}

QString RecoveryKeeper::DefaultFolder() { return AppFolders::Data() + QStringLiteral("recovery"); }

bool RecoveryKeeper::Begin(const QString& folder) {
  folder_ = std::make_unique<TRecoveryFolder>(QFile::encodeName(folder).toStdString());
  std::string error;
  if (folder_->Claim(error)) return true;
  window_.AppendLog(error);
  folder_.reset();
  return false;
}

void RecoveryKeeper::SetInterval(int seconds) {
  interval_ = seconds;
  if (seconds > 0 && folder_)
    timer_.start(seconds * 1000);
  else
    timer_.stop();
}

bool RecoveryKeeper::WriteCopy() {
  // A save lets pending messages run between its steps, where this timer may fire again.
  if (!folder_ || writing_ || !window_.Modified()) return false;
  writing_ = true;
  const std::string copy = folder_->CopyPath();
  const TFileResult result = SaveDocument(window_.WorkArea(), copy, registry_);
  writing_ = false;
  if (!result.Ok()) {
    Report(result.Message);
    return false;
  }
  RemoveLeftoverTemporaries(copy);
  const QString original =
      window_.FileName() == QLatin1String(MainWindow::Untitled) ? QString() : window_.FileName();
  std::string error;
  if (!folder_->WriteInfo(QFile::encodeName(original).toStdString(),
                          TRecoveryFolder::FormatTime(QDateTime::currentSecsSinceEpoch()), error)) {
    Report(error);
    return false;
  }
  failing_ = false;
  return true;
}

// A copy that cannot be written (a full disk) fails at every tick: the log hears of it once
// until a copy succeeds again.
void RecoveryKeeper::Report(const std::string& error) {
  if (failing_ || error.empty()) return;
  failing_ = true;
  window_.AppendLog(error);
}

void RecoveryKeeper::Discard() {
  if (folder_) folder_->RemoveOwnCopy();
}

void RecoveryKeeper::End() {
  timer_.stop();
  folder_.reset();
}
