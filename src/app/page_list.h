#pragma once

#include <QWidget>

class QListWidget;
class TQuarrionCanvas;

// The page list at the left of the work area: one line per page, " (m)" after the title
// of a master page, the number counted by the work area before the title of a slide.
class PageList : public QWidget {
  Q_OBJECT
 public:
  PageList(TQuarrionCanvas& canvas, QWidget* parent = nullptr);

  // The line the list shows for page `index`.
  static QString LineFor(const TQuarrionCanvas& canvas, int index);
  // Rebuilt when the line count differs from the page count; each line rewritten only
  // when its text changed; the current line follows the current page.
  void Refresh();
  // Rewrites the lines from `first` to the last (their numbers may have changed).
  void RefreshFrom(int first);
  QListWidget* List() const { return list_; }

 signals:
  void PageChosen(int index);

 private:
  TQuarrionCanvas& canvas_;
  QListWidget* list_;
};
