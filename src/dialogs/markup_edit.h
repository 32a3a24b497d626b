#pragma once

#include <QPlainTextEdit>
#include <functional>
#include <string>

// The field in which a text object's markup is typed. Tab moves the focus and Ctrl+Tab
// types the tab tag. Lines end in carriage return and line feed in the document. An edit
// that brings in a character Windows-1252 cannot hold, or makes the text longer than a
// document keeps, is undone as a whole and reported through `warn`.
class MarkupEdit : public QPlainTextEdit {
  Q_OBJECT
 public:
  MarkupEdit(QWidget* parent, std::function<void(const QString&)> warn);

  void SetDocumentText(const std::string& windows1252);
  std::string DocumentText() const;
  // Whether the user changed the text since it was set.
  bool Edited() const { return edited_; }

  std::function<void()> OnEdited;

 protected:
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void Check();

  std::function<void(const QString&)> warn_;
  QString lastGood_;
  int lastCaret_ = 0;
  bool edited_ = false;
  bool setting_ = false;
};
