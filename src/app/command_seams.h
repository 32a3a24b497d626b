#pragma once

#include <QApplication>
#include <QString>
#include <QUrl>
#include <functional>

class QDialog;
class QWidget;

// What the command objects ask of the desktop, replaceable so tests answer dialogs
// directly and never start a viewer.
struct CommandSeams {
  // Shows a modal dialog; true when it closed with OK.
  std::function<bool(QDialog&)> RunDialog;
  // Opens a file with the program the desktop associates with its type.
  std::function<void(const QUrl&)> OpenUrl;

  // The seams a person meets: QDialog::exec and QDesktopServices.
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
