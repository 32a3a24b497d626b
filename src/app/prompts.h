#pragma once

#include <QString>

class QDialog;
class QWidget;

enum class TAnswer { Yes, No, Cancel };

// What a file dialog is asked for: its title, a Qt filter ("Name (*.ext);;All files (*)"),
// the starting folder, the proposed name and the dialog's rules.
struct TFileRequest {
  QString Title;
  QString Filter;
  QString Folder;
  QString ProposedName;
};

// Every message box and file dialog of the main window goes through this seam, so tests
// answer them directly. Boxes carry the caption "Quarrion" unless one is given.
class Prompts {
 public:
  virtual ~Prompts() = default;
  // OK button, exclamation icon.
  virtual void Warning(const QString& text, const QString& caption) = 0;
  void Warning(const QString& text) { Warning(text, Caption()); }
  // OK and Cancel, exclamation icon; true when OK was chosen.
  virtual bool OkCancel(const QString& text) = 0;
  // Yes and No, question icon; true for Yes.
  virtual bool YesNo(const QString& text) = 0;
  // Yes, No and Cancel, question icon.
  virtual TAnswer YesNoCancel(const QString& text) = 0;
  // The chosen path, or "" when the dialog was cancelled. Open wants an existing file;
  // Save asks before overwriting one.
  virtual QString OpenFileName(const TFileRequest& request) = 0;
  virtual QString SaveFileName(const TFileRequest& request) = 0;
  // Shows a dialog modally; true when it was closed with OK.
  virtual bool ShowModal(QDialog& dialog) = 0;

  static QString Caption() { return QStringLiteral("Quarrion"); }
};

// The boxes and dialogs a person sees, owned by `parent`.
class QtPrompts : public Prompts {
 public:
  explicit QtPrompts(QWidget* parent) : parent_(parent) {}
  using Prompts::Warning;
  void Warning(const QString& text, const QString& caption) override;
  bool OkCancel(const QString& text) override;
  bool YesNo(const QString& text) override;
  TAnswer YesNoCancel(const QString& text) override;
  QString OpenFileName(const TFileRequest& request) override;
  QString SaveFileName(const TFileRequest& request) override;
  bool ShowModal(QDialog& dialog) override;

 private:
  QWidget* parent_;
};
