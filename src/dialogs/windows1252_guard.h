#pragma once

#include <QObject>
#include <QString>
#include <functional>

class QLineEdit;

// Keeps a text field to what a document can hold: an edit that brings in a character
// Windows-1252 cannot hold is undone as a whole and `warn` is told which character it was.
// Nothing is dropped or replaced silently.
class Windows1252Guard : public QObject {
  Q_OBJECT
 public:
  Windows1252Guard(QLineEdit* field, std::function<void(const QString&)> warn);

 private:
  void Check(const QString& text);

  QLineEdit* field_;
  std::function<void(const QString&)> warn_;
  QString lastGood_;
  int lastCaret_ = 0;
};
