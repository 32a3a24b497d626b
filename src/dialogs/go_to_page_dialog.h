#pragma once

#include <string>
#include <vector>

#include "dialogs/small_dialog.h"

class QListWidget;

// "Go To Page": one line per page, "number: title"; a double click on a line goes there.
class TForm6 : public TSmallDialog {
  Q_OBJECT
 public:
  explicit TForm6(QWidget* parent = nullptr);

  // The page titles (Windows-1252) in page order, numbered from 1; `current` is selected.
  void SetPages(const std::vector<std::string>& titles, int current);
  // The index of the selected page, or -1 when no line is selected.
  int SelectedPage() const;

 private:
  QListWidget* pages_;
};
