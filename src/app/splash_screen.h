#pragma once

#include <QWidget>

class QLabel;

// The borderless window shown while the program starts: the product name, the version, a
// picture and a line telling what is being done.
class SplashScreen : public QWidget {
 public:
  SplashScreen();
  // Shows `text` followed by " ..." and repaints at once.
  void Progress(const QString& text);
  QString Message() const;

 private:
  QLabel* message_;
};
