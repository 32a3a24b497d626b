#pragma once

#include <string>

#include "dialogs/small_dialog.h"

class QCheckBox;
class QLineEdit;

// "Page Properties": the title of a page and its major and minor outline entries. Texts
// are Windows-1252, as the page holds them.
class TPageProps : public TSmallDialog {
  Q_OBJECT
 public:
  explicit TPageProps(QWidget* parent = nullptr);

  // Fills the dialog from a page: each outline box is checked when its entry is not
  // empty, and its field shows the entry, or the title while the box is unchecked.
  void SetPage(const std::string& title, const std::string& majorEntry, const std::string& minorEntry);

  std::string Title() const;
  // The entry of a checked box; empty while the box is unchecked.
  std::string MajorEntry() const;
  std::string MinorEntry() const;

 private:
  QLineEdit* title_;
  QCheckBox* hasMajor_;
  QLineEdit* major_;
  QCheckBox* hasMinor_;
  QLineEdit* minor_;
};
