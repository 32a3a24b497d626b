#pragma once

#include <QWidget>
#include <string>

class QCheckBox;
class QLineEdit;
class QPushButton;
class Prompts;
class TQuarrionCanvas;

// The panel above the work area: the current page's title and its outline, master and
// use-master flags. It edits the current page directly and reports what it changed.
class PagePanel : public QWidget {
  Q_OBJECT
 public:
  PagePanel(TQuarrionCanvas& canvas, QWidget* parent = nullptr);
  void SetPrompts(Prompts* prompts) { prompts_ = prompts; }

  // Shows the current page's flags, outline state and title, without editing anything.
  void ShowPage();
  // The outline entries chosen in the page properties dialog, then the title field set
  // to the title (which runs the title step).
  void ApplyPageProperties(const std::string& title, const std::string& major,
                           const std::string& minor);

  QLineEdit* TitleField() const { return title_; }
  QCheckBox* IncludeOutline() const { return includeOutline_; }
  QCheckBox* IsMaster() const { return isMaster_; }
  QCheckBox* UseMaster() const { return useMaster_; }
  QPushButton* MoreButton() const { return more_; }

 signals:
  // The document changed; lines from `firstLine` on may show other text.
  void PageEdited(int firstLine);
  void MoreRequested();

 private:
  void CreateControls();
  void TitleEdited(const QString& text);
  void ApplyOutlineState(Qt::CheckState state);
  void IsMasterClicked(bool checked);
  void UseMasterClicked(bool checked);
  void ShowOutlineState();

  TQuarrionCanvas& canvas_;
  Prompts* prompts_ = nullptr;
  QLineEdit* title_ = nullptr;
  QCheckBox* includeOutline_ = nullptr;
  QCheckBox* isMaster_ = nullptr;
  QCheckBox* useMaster_ = nullptr;
  QPushButton* more_ = nullptr;
};
