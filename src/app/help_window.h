#pragma once

#include <QWidget>

class QTextBrowser;

// The help pages bundled with the program, in a window of their own. Each object kind's
// page has an anchor named after its help topic number (1501 text ... 1507 link).
class HelpWindow : public QWidget {
  Q_OBJECT
 public:
  explicit HelpWindow(QWidget* parent = nullptr);

  // The contents page.
  void ShowContents();
  // The page and place of `topic`; the contents for a topic without one.
  void ShowTopic(int topic);
  // The page (and anchor) shown now, e.g. "qrc:/help/objects.html#1504".
  QUrl Source() const;
  QTextBrowser* Browser() const { return browser_; }

  // The page and anchor of a topic number, or an empty URL.
  static QUrl TopicUrl(int topic);

 private:
  void Show(const QUrl& url);

  QTextBrowser* browser_;
};
