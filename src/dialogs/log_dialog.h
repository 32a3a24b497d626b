#pragma once

#include <string>

#include "dialogs/small_dialog.h"

class QPlainTextEdit;

// "Message Log": what the document and the exports reported, newest line last. Lines are
// Windows-1252, as the work area reports them.
class TLog : public TSmallDialog {
  Q_OBJECT
 public:
  explicit TLog(QWidget* parent = nullptr);

  // Appends `line` as the new last line and scrolls it into view.
  void AddLine(const std::string& line);
  // Empties the whole log, its title line included (the "&Clear" button).
  void Clear();
  // The log's text, lines separated by line feeds.
  QString Text() const;

 private:
  QPlainTextEdit* log_;
};
