#include "app/command_seams.h"

#include <QDesktopServices>
#include <QWidget>

CommandSeams CommandSeams::Desktop() {
  CommandSeams seams;
  seams.OpenUrl = [](const QUrl& url) { QDesktopServices::openUrl(url); };
  return seams;
}

void PlaceDialog(QWidget& dialog, const QWidget& window, int offset) {
  dialog.move(window.frameGeometry().topLeft() + QPoint(offset, offset));
}
