#pragma once

#include <QApplication>
#include <QString>
#include <QUrl>
#include <functional>

class QWidget;

// What the command objects ask of the desktop beyond the Prompts seam, replaceable so
// tests never start a viewer.
struct CommandSeams {
  // Opens a file with the program the desktop associates with its type.
  std::function<void(const QUrl&)> OpenUrl;

  // The seam a person meets: QDesktopServices.
  static CommandSeams Desktop();
};

// Puts `dialog`'s top-left corner `offset` pixels right of and below the window's.
void PlaceDialog(QWidget& dialog, const QWidget& window, int offset);

// The hourglass for the length of a long operation.
struct TBusyCursor {
  TBusyCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
  ~TBusyCursor() { QApplication::restoreOverrideCursor(); }
  TBusyCursor(const TBusyCursor&) = delete;
  TBusyCursor& operator=(const TBusyCursor&) = delete;
};
