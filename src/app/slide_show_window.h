#pragma once

#include <QImage>
#include <QUrl>
#include <QWidget>
#include <functional>
#include <map>
#include <optional>

#include "shell/show_links.h"
#include "shell/show_navigator.h"

class QKeyEvent;
class TQuarrionCanvas;

// The slide show: a full-screen window that shows each slide as the audience sees it,
// scaled to fit with black bars, drawn at the screen's pixel density by the core's page
// routine in show mode. Keys and clicks go through TShowNavigator; links are followed as
// the PDF follows them. The slides before and after the one shown are drawn ahead, so a
// key shows the next slide at the next paint. The document must not change during a show.
class SlideShowWindow : public QWidget {
  Q_OBJECT
 public:
  SlideShowWindow(TQuarrionCanvas& document, int startSlide, QWidget* parent = nullptr);

  // Opens web addresses and files (the system's programs); tests answer it themselves.
  std::function<void(const QUrl&)> OpenUrl;
  // The folder relative file links start from (the document's folder).
  QString LinkFolder;

  const TShowNavigator& Navigator() const { return navigator_; }
  // Where the slide lands in the window, in logical pixels.
  QRect SlideRect() const;
  // Draws the neighbours of the slide shown that are not drawn yet.
  void RenderAhead();
  // Whether the picture of page `page` for the present size is ready.
  bool IsRendered(int page) const { return images_.count(page) != 0; }

  // Maps a key to what it asks of the show; `digit` is set for a digit key.
  static TShowInput InputForKey(int key, const QString& text, int& digit);

 signals:
  // The show is over; `page` is the page index of the slide last shown.
  void Ended(int page);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  const QImage& SlideImage(int page);
  std::optional<TShowLink> LinkAt(const QPoint& position) const;
  void Follow(const TShowLink& link);
  // After every input: show the result, draw ahead, end the show when it has ended.
  void Changed();

  TQuarrionCanvas& document_;
  TShowNavigator navigator_;
  std::map<int, QImage> images_;  // page index -> picture at the present size
  bool endSignalled_ = false;
  bool aheadPending_ = false;
};
