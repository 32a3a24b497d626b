#pragma once

#include <QPointer>

#include "app/slide_show_window.h"

class ActionRegistry;
class MainWindow;

// "Start Slide Show" (from the first slide) and "Show from Current Slide": the show goes
// full screen on the screen that holds the main window; when it ends, the designer shows
// the slide that was showing.
class ShowCommands {
 public:
  explicit ShowCommands(MainWindow& window) : window_(window) {}
  void Connect(ActionRegistry& actions);

  void StartFromFirst();
  void StartFromCurrent();
  // The show running now, or null.
  SlideShowWindow* Show() const { return show_; }

 private:
  void Start(int slide);

  MainWindow& window_;
  QPointer<SlideShowWindow> show_;
};
