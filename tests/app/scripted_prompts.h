#pragma once

#include <QDialog>
#include <QStringList>
#include <deque>
#include <functional>

#include "app/prompts.h"

// Answers the main window's boxes and dialogs from a script and records every question
// asked, so a test reads what the user would have seen. A question with no scripted
// answer left is recorded under Unanswered and answered with Cancel, No or "".
class ScriptedPrompts : public Prompts {
 public:
  using Prompts::Warning;
  void Warning(const QString& text, const QString& caption) override {
    Warnings << text;
    WarningCaptions << caption;
  }
  bool OkCancel(const QString& text) override {
    Asked << text;
    return Take(OkCancelAnswers, false, text);
  }
  bool YesNo(const QString& text) override {
    Asked << text;
    return Take(YesNoAnswers, false, text);
  }
  TAnswer YesNoCancel(const QString& text) override {
    Asked << text;
    return Take(YesNoCancelAnswers, TAnswer::Cancel, text);
  }
  QString OpenFileName(const TFileRequest& request) override {
    Requests.push_back(request);
    return Take(OpenNames, QString(), request.Title);
  }
  QString SaveFileName(const TFileRequest& request) override {
    Requests.push_back(request);
    return Take(SaveNames, QString(), request.Title);
  }
  // The script edits the dialog as a person would and says whether OK was pressed.
  bool ShowModal(QDialog& dialog) override {
    Asked << dialog.windowTitle();
    if (DialogScripts.empty()) {
      Unanswered << dialog.windowTitle();
      return false;
    }
    auto script = DialogScripts.front();
    DialogScripts.pop_front();
    return script(dialog);
  }

  std::deque<bool> OkCancelAnswers, YesNoAnswers;
  std::deque<TAnswer> YesNoCancelAnswers;
  std::deque<QString> OpenNames, SaveNames;
  std::deque<std::function<bool(QDialog&)>> DialogScripts;

  QStringList Warnings, WarningCaptions, Asked, Unanswered;
  std::vector<TFileRequest> Requests;

 private:
  template <class T>
  T Take(std::deque<T>& answers, T otherwise, const QString& question) {
    if (answers.empty()) {
      Unanswered << question;
      return otherwise;
    }
    T answer = answers.front();
    answers.pop_front();
    return answer;
  }
};
