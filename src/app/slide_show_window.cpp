#include "app/slide_show_window.h"

#include <QCloseEvent>
#include <QDesktopServices>
#include <QDir>
#include <QKeyEvent>
#include <QPainter>
#include <QTimer>
#include <cmath>

#include "dialogs/dialog_text.h"
#include "model/quarrion_canvas.h"
#include "platform/qt/gui/slide_renderer.h"

namespace {
struct TKeyRow {
  int Key;
  TShowInput Input;
};

// The keys of a show; digits and the characters are handled beside the table.
const TKeyRow KeyTable[] = {
    {Qt::Key_Right, TShowInput::Next},        {Qt::Key_Down, TShowInput::Next},
    {Qt::Key_PageDown, TShowInput::Next},     {Qt::Key_Space, TShowInput::Next},
    {Qt::Key_Return, TShowInput::Enter},      {Qt::Key_Enter, TShowInput::Enter},
    {Qt::Key_Left, TShowInput::Previous},     {Qt::Key_Up, TShowInput::Previous},
    {Qt::Key_PageUp, TShowInput::Previous},   {Qt::Key_Backspace, TShowInput::Previous},
    {Qt::Key_Home, TShowInput::First},        {Qt::Key_End, TShowInput::Last},
    {Qt::Key_B, TShowInput::Black},           {Qt::Key_Period, TShowInput::Black},
    {Qt::Key_W, TShowInput::White},           {Qt::Key_Comma, TShowInput::White},
    {Qt::Key_Escape, TShowInput::End},
};
}  // namespace

SlideShowWindow::SlideShowWindow(TQuarrionCanvas& document, int startSlide, QWidget* parent)
    : QWidget(parent, Qt::Window), document_(document),
      navigator_(TShowNavigator::SlidePagesOf(document), startSlide) {
  setObjectName(QStringLiteral("SlideShow"));
  setAttribute(Qt::WA_DeleteOnClose);
  setAttribute(Qt::WA_OpaquePaintEvent);
  setMouseTracking(true);  // the hand over a link
  setFocusPolicy(Qt::StrongFocus);
  setWindowTitle(QStringLiteral("Quarrion"));
  // The document must hold still while it is shown.
  setWindowModality(Qt::ApplicationModal);
  OpenUrl = [](const QUrl& url) { QDesktopServices::openUrl(url); };
}

TShowInput SlideShowWindow::InputForKey(int key, const QString& text, int& digit) {
  if (key >= Qt::Key_0 && key <= Qt::Key_9) {
    digit = key - Qt::Key_0;
    return TShowInput::Digit;
  }
  for (const TKeyRow& row : KeyTable)
    if (row.Key == key) return row.Input;
  // Layouts that reach "." or "," through another key still give the character.
  if (text == QLatin1String(".")) return TShowInput::Black;
  if (text == QLatin1String(",")) return TShowInput::White;
  return TShowInput::Other;
}

QRect SlideShowWindow::SlideRect() const {
  const double pw = std::max(document_.PageWidth, 1);
  const double ph = std::max(document_.PageHeight, 1);
  const double scale = std::min(width() / pw, height() / ph);
  const int w = std::max(int(std::floor(pw * scale)), 1);
  const int h = std::max(int(std::floor(ph * scale)), 1);
  return QRect((width() - w) / 2, (height() - h) / 2, w, h);
}

const QImage& SlideShowWindow::SlideImage(int page) {
  auto it = images_.find(page);
  if (it != images_.end()) return it->second;
  // Drawn at device pixels and shown unscaled, so text and edges stay crisp.
  const qreal ratio = devicePixelRatioF();
  QImage image = RenderSlideToImage(document_, page, int(std::lround(SlideRect().width() * ratio)),
                                    TDrawMode::Show);
  image.setDevicePixelRatio(ratio);
  return images_.emplace(page, std::move(image)).first->second;
}

void SlideShowWindow::RenderAhead() {
  const int slide = navigator_.Slide();
  // Only the slide and its neighbours are kept: a long deck at screen size is large.
  std::map<int, QImage> kept;
  for (int s : {slide - 1, slide, slide + 1}) {
    const int page = navigator_.PageOf(s);
    if (page < 0) continue;
    SlideImage(page);
    kept[page] = images_[page];
  }
  images_.swap(kept);
}

void SlideShowWindow::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  const TShowScreen screen = navigator_.Screen();
  painter.fillRect(rect(), screen == TShowScreen::White ? Qt::white : Qt::black);
  const int page = navigator_.PageIndex();
  if (screen != TShowScreen::Slide || page < 0) return;
  const QRect place = SlideRect();
  painter.drawImage(place.topLeft(), SlideImage(page));
  // The neighbours are drawn once this slide is on screen, before the next key comes.
  if (!aheadPending_) {
    aheadPending_ = true;
    QTimer::singleShot(0, this, [this] {
      aheadPending_ = false;
      RenderAhead();
    });
  }
}

void SlideShowWindow::Changed() {
  if (navigator_.Ended()) {
    close();
    return;
  }
  update();
}

void SlideShowWindow::keyPressEvent(QKeyEvent* event) {
  int digit = 0;
  const TShowInput input = InputForKey(event->key(), event->text(), digit);
  navigator_.Press(input, digit);
  Changed();
}

std::optional<TShowLink> SlideShowWindow::LinkAt(const QPoint& position) const {
  const QRect place = SlideRect();
  if (navigator_.Screen() != TShowScreen::Slide || !place.contains(position)) return std::nullopt;
  // Window pixels to page points, the inverse of the fit.
  const int x = int(std::floor((position.x() - place.x()) * double(document_.PageWidth) / place.width()));
  const int y = int(std::floor((position.y() - place.y()) * double(document_.PageHeight) / place.height()));
  return ShowLinkAt(document_, navigator_.PageIndex(), x, y);
}

void SlideShowWindow::Follow(const TShowLink& link) {
  switch (link.Kind) {
    case TShowLink::TKind::Jump:
      navigator_.GoTo(link.Slide);
      break;
    case TShowLink::TKind::Web:
      OpenUrl(QUrl::fromUserInput(FromDocumentText(link.Target)));
      break;
    case TShowLink::TKind::File:
      OpenUrl(QUrl::fromLocalFile(QDir(LinkFolder).absoluteFilePath(FromDocumentText(link.Target))));
      break;
  }
}

void SlideShowWindow::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return;
  if (navigator_.Screen() != TShowScreen::Slide) {
    navigator_.Press(TShowInput::Other);  // a click brings a blank screen back too
  } else if (auto link = LinkAt(event->position().toPoint())) {
    Follow(*link);
  } else {
    navigator_.Press(TShowInput::Next);
  }
  Changed();
}

void SlideShowWindow::mouseMoveEvent(QMouseEvent* event) {
  setCursor(LinkAt(event->position().toPoint()) ? Qt::PointingHandCursor : Qt::ArrowCursor);
}

void SlideShowWindow::resizeEvent(QResizeEvent* event) {
  images_.clear();  // pictures are drawn for one size
  QWidget::resizeEvent(event);
}

void SlideShowWindow::closeEvent(QCloseEvent* event) {
  if (!endSignalled_) {
    endSignalled_ = true;
    emit Ended(navigator_.PageIndex());
  }
  QWidget::closeEvent(event);
}
