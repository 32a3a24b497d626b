#include "app/help_commands.h"

#include "app/about_dialog.h"
#include "app/action_ids.h"
#include "app/command_seams.h"
#include "app/help_window.h"
#include "app/main_window.h"

HelpCommands::HelpCommands(MainWindow& window)
    : window_(window), help_(new HelpWindow(&window)), about_(new AboutDialog(&window)) {}

void HelpCommands::Connect(ActionRegistry& actions) {
  actions.Connect(QString::fromLatin1(ActionId::HelpContents), [this] { Contents(); });
  actions.Connect(QString::fromLatin1(ActionId::HelpAbout), [this] { About(); });
}

void HelpCommands::Contents() { help_->ShowContents(); }
void HelpCommands::ShowTopic(int topic) { help_->ShowTopic(topic); }

void HelpCommands::About() {
  about_->SetPluginLines(PluginLines);
  PlaceDialog(*about_, window_, 100);
  window_.Ask().ShowModal(*about_);
}
