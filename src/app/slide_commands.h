#pragma once

#include <vector>

class ActionRegistry;
class MainWindow;
class TQuarrionCanvas;
class TForm6;
class TSO;
struct CommandSeams;

// Slide menu and the slide entries of the page context menu: insert, add, delete and
// duplicate slides, move between them, go to one, and the slide organiser.
class SlideCommands {
 public:
  SlideCommands(MainWindow& window, CommandSeams& seams);
  ~SlideCommands();
  void Connect(ActionRegistry& actions);

  void Insert();
  void Add();
  void Delete();
  void Duplicate();
  void First();
  void Previous();
  void Next();
  void Last();
  void GoTo();
  void Organise();

  // The pages in the order of `order` (old page indexes, one each); links follow their
  // slides to their new numbers, the undo history is cleared and the current page stays
  // current at its new place.
  void ReorderPages(const std::vector<int>& order);

 private:
  TQuarrionCanvas& Canvas();
  void NewPageAt(int index);
  void GoToPage(int index);

  MainWindow& window_;
  CommandSeams& seams_;
  TForm6* goTo_ = nullptr;
  TSO* organiser_ = nullptr;
};
