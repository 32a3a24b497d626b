#pragma once

#include <QDialog>
#include <QStringList>

class QLabel;

// The About box: the program's name and version, and one line per loaded plug-in.
class AboutDialog : public QDialog {
  Q_OBJECT
 public:
  explicit AboutDialog(QWidget* parent = nullptr);
  void SetPluginLines(const QStringList& lines);
  QString PluginText() const;

 private:
  QLabel* plugins_;
};
