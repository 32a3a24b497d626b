#pragma once

#include <string>
#include <vector>

#include "dialogs/small_dialog.h"

class QTreeWidget;

// One slide as the organiser lists it. Texts are Windows-1252.
struct SlideOrganiserRow {
  std::string Title;
  bool IsMaster = false;
  bool UseMaster = false;
  std::string MajorEntry;
  std::string MinorEntry;
  int PageIndex = 0;    // the page's position when the dialog was filled
  int SlideNumber = 0;  // the page's number as the work area counts it (masters uncounted)
};

// "Slide Organiser": the slides as rows that "Shift &Up" and "Shift &Down" move.
class TSO : public TSmallDialog {
  Q_OBJECT
 public:
  explicit TSO(QWidget* parent = nullptr);

  // One row per page; `currentRow` is selected and focused.
  void SetRows(const std::vector<SlideOrganiserRow>& rows, int currentRow);
  // The rows in their present order.
  std::vector<SlideOrganiserRow> Rows() const;
  // The original page index of each row, top to bottom: the new order of the pages.
  std::vector<int> PageOrder() const;

  // Moves the selected row by `delta` (-1 up, +1 down) and keeps it selected. Nothing
  // happens without a selection or when the row would leave the list.
  void Shift(int delta);

 private:
  QTreeWidget* pages_;
  std::vector<SlideOrganiserRow> rows_;
};
