#pragma once

#include <QStringList>

class AboutDialog;
class ActionRegistry;
class HelpWindow;
class MainWindow;

// Help menu: the help window and the About box.
class HelpCommands {
 public:
  explicit HelpCommands(MainWindow& window);
  void Connect(ActionRegistry& actions);

  void Contents();
  // The help page of a topic number (the object properties dialog's Help button).
  void ShowTopic(int topic);
  void About();

  // One line per loaded plug-in, shown in the About box; the plug-ins fill it.
  QStringList PluginLines;

  HelpWindow* Window() const { return help_; }

 private:
  MainWindow& window_;
  HelpWindow* help_;
  AboutDialog* about_;
};
