#pragma once

#include <QDialog>
#include <QString>
#include <functional>
#include <initializer_list>

class QBoxLayout;
class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;

// What the small dialogs share: the window title, the "OK" (default) and "Cancel"
// buttons, the control that is active when the dialog shows, accessible names taken from
// captions, and the guard that refuses characters a document cannot hold.
class TSmallDialog : public QDialog {
  Q_OBJECT
 public:
  // Shows the refusal of a character; by default a warning box captioned "Quarrion".
  // Callers and tests replace it.
  void SetWarningHandler(std::function<void(const QString&)> handler);

 protected:
  TSmallDialog(const QString& title, QWidget* parent);

  // A label for `field` with `caption`; the field is the label's buddy and takes the
  // caption (without "&") as its accessible name.
  QLabel* AddLabel(const QString& caption, QWidget* field);
  // A text field that refuses characters Windows-1252 cannot hold.
  QLineEdit* AddTextField(const QString& objectName);
  // A check box or push button with its caption, named `objectName`, its accessible name
  // the caption without "&".
  QCheckBox* AddCheckBox(const QString& objectName, const QString& caption);
  QPushButton* AddButton(const QString& objectName, const QString& caption);
  // Appends the buttons row to `layout`: "OK" (default) and, unless `withCancel` is false,
  // "Cancel". Returns the row so a dialog can add its own buttons in front.
  QBoxLayout* AddButtons(QBoxLayout* layout, bool withCancel = true);
  // Chains the focus through `controls` in order, then the buttons row.
  void SetTabOrder(std::initializer_list<QWidget*> controls);
  // The control that takes the focus each time the dialog is shown.
  void SetInitialControl(QWidget* control) { initialControl_ = control; }

  void showEvent(QShowEvent* event) override;

 private:
  void Warn(const QString& message);

  std::function<void(const QString&)> warningHandler_;
  QWidget* initialControl_ = nullptr;
};
