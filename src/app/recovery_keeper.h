#pragma once

#include <QObject>
#include <QString>
#include <QTimer>
#include <memory>

#include "shell/recovery_folder.h"

class MainWindow;
class TLookupTableManager;

// Keeps a recovery copy of the main window's document while it is modified: every
// interval the document is written, through the atomic writer, into the recovery folder
// with its original path and the time beside it. A save, New, Open and a normal close
// remove the copy (Discard, End).
class RecoveryKeeper : public QObject {
 public:
  RecoveryKeeper(MainWindow& window, const TLookupTableManager& registry);

  // "recovery/" in the application data folder.
  static QString DefaultFolder();
  // Takes this program's place in `folder`; false when there is none (no copies are then
  // kept, and nothing is offered).
  bool Begin(const QString& folder);
  // Seconds between copies; 0 stops copying.
  void SetInterval(int seconds);
  int Interval() const { return interval_; }

  // Writes the copy now when the document is modified; true when one was written.
  bool WriteCopy();
  void Discard();
  // The normal end: this program's files go and its lock is let go.
  void End();

  TRecoveryFolder* Folder() const { return folder_.get(); }

 private:
  void Report(const std::string& error);

  MainWindow& window_;
  const TLookupTableManager& registry_;
  std::unique_ptr<TRecoveryFolder> folder_;
  QTimer timer_;
  int interval_ = 0;
  bool writing_ = false;
  bool failing_ = false;
};
