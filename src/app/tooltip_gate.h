#pragma once

#include <QObject>

// Installed on the application: while tooltips are switched off it swallows every
// tooltip request, for the main window and every dialog alike.
class TooltipGate : public QObject {
 public:
  using QObject::QObject;
  void SetShown(bool shown) { shown_ = shown; }
  bool Shown() const { return shown_; }
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  bool shown_ = true;
};
