#pragma once

#include "model/pdf_object.h"

class ActionRegistry;
class MainWindow;
class ObjectCommands;

// Edit menu: undo and redo of the work area, and a clipboard private to the program
// (the system clipboard is not used). The clipboard keeps copies of objects until the
// program ends, so Paste can be repeated.
class EditCommands {
 public:
  EditCommands(MainWindow& window, ObjectCommands& objects);
  void Connect(ActionRegistry& actions);

  void Undo();
  void Redo();
  void Copy();
  // Copies, then deletes with the delete question: answered No, the copies stay.
  void Cut();
  void Paste();

  const TPDFObjects& Clipboard() const { return clipboard_; }

 private:
  MainWindow& window_;
  ObjectCommands& objects_;
  TPDFObjects clipboard_;
  bool copied_ = false;
};
