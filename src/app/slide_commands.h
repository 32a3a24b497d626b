#pragma once

#include <vector>

class ActionRegistry;
class MainWindow;
class TQuarrionCanvas;
class TForm6;
class TSO;

// Slide menu and the slide entries of the page context menu: insert, add, delete and
// duplicate slides, move between them, go to one, and the slide organiser.
class SlideCommands {
 public:
  explicit SlideCommands(MainWindow& window);
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

  // The pages in the order of `order` (the old index of each page, new order); links
  // follow their slides, the current page stays current.
  void ReorderPages(const std::vector<int>& order);

 private:
  TQuarrionCanvas& Canvas();
  void NewPageAt(int index);
  void GoToPage(int index);

  MainWindow& window_;
  TForm6* goTo_ = nullptr;
  TSO* organiser_ = nullptr;
};
