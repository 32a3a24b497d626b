// Slide menu: the commands that add, remove, copy, reorder and visit pages.
#include "app/slide_commands.h"

#include <QLineEdit>

#include "app/action_ids.h"
#include "app/command_seams.h"
#include "app/prompts.h"
#include "app/main_window.h"
#include "app/page_panel.h"
#include "dialogs/go_to_page_dialog.h"
#include "dialogs/slide_organiser_dialog.h"
#include "model/quarrion_canvas.h"

namespace {
QString Id(const char* id) { return QString::fromLatin1(id); }
}  // namespace

SlideCommands::SlideCommands(MainWindow& window)
    : window_(window), goTo_(new TForm6(&window)), organiser_(new TSO(&window)) {}

SlideCommands::~SlideCommands() = default;

TQuarrionCanvas& SlideCommands::Canvas() { return window_.WorkArea(); }

void SlideCommands::Connect(ActionRegistry& actions) {
  using namespace ActionId;
  actions.Connect(Id(SlideInsert), [this] { Insert(); });
  actions.Connect(Id(SlideAdd), [this] { Add(); });
  actions.Connect(Id(SlideDelete), [this] { Delete(); });
  actions.Connect(Id(SlideDuplicate), [this] { Duplicate(); });
  actions.Connect(Id(SlideFirst), [this] { First(); });
  actions.Connect(Id(SlidePrevious), [this] { Previous(); });
  actions.Connect(Id(SlideNext), [this] { Next(); });
  actions.Connect(Id(SlideLast), [this] { Last(); });
  actions.Connect(Id(SlideGoTo), [this] { GoTo(); });
  actions.Connect(Id(PageGoTo), [this] { GoTo(); });
  actions.Connect(Id(SlideOrganiser), [this] { Organise(); });
}

// A new slide at `index` becomes current; links to the slides behind it follow them.
void SlideCommands::NewPageAt(int index) {
  TQuarrionCanvas& canvas = Canvas();
  if (!canvas.AddPage(index, true, false)) return;  // the document is full
  canvas.BroadcastPagesShifted(1, canvas.Page());
  window_.SetModified(true);
  window_.Panel()->TitleField()->setFocus();
}

void SlideCommands::Insert() { NewPageAt(Canvas().Page()); }
void SlideCommands::Add() { NewPageAt(Canvas().Page() + 1); }

void SlideCommands::Delete() {
  TQuarrionCanvas& canvas = Canvas();
  if (canvas.PageCount() < 2) return;
  if (!window_.Ask().YesNo(QStringLiteral("Delete this slide and all objects on it?"))) return;
  canvas.BroadcastPagesShifted(-1, canvas.Page());
  canvas.RemovePage(canvas.Page());
  canvas.Repaint();
  window_.SetModified(true);
}

// The copy goes behind the current page with its flags, texts and copies of its objects.
// Links keep their targets: unlike Insert and Add, no renumbering runs.
void SlideCommands::Duplicate() {
  TQuarrionCanvas& canvas = Canvas();
  const int from = canvas.Page();
  if (!canvas.AddPage(from + 1, true, false)) return;
  const TPage& source = canvas.Pages()[std::size_t(from)];
  TPage& copy = canvas.CurrentPage();
  copy.IsMaster = source.IsMaster;
  copy.UseMaster = source.UseMaster;
  copy.Title = source.Title;
  copy.MajorEntry = source.MajorEntry;
  copy.MinorEntry = source.MinorEntry;
  // Objects deleted but kept for undo are not part of the slide.
  for (std::size_t i = 0; i < canvas.Pages()[std::size_t(from)].Objects.size(); ++i) {
    const TPDFObject& object = *canvas.Pages()[std::size_t(from)].Objects[i];
    if (!object.Deleted) canvas.Add(object.Clone());
  }
  canvas.SetPage(from + 1);  // the panel and the page list show the copied flags
  window_.SetModified(true);
  window_.Panel()->TitleField()->setFocus();
}

void SlideCommands::GoToPage(int index) {
  if (index < 0 || index >= Canvas().PageCount() || index == Canvas().Page()) return;
  Canvas().SetPage(index);
}

void SlideCommands::First() { GoToPage(0); }
void SlideCommands::Previous() { GoToPage(Canvas().Page() - 1); }
void SlideCommands::Next() { GoToPage(Canvas().Page() + 1); }
void SlideCommands::Last() { GoToPage(Canvas().PageCount() - 1); }

void SlideCommands::GoTo() {
  std::vector<std::string> titles;
  for (const TPage& page : Canvas().Pages()) titles.push_back(page.Title);
  goTo_->SetPages(titles, Canvas().Page());
  PlaceDialog(*goTo_, window_, 100);
  if (!window_.Ask().ShowModal(*goTo_)) return;
  GoToPage(goTo_->SelectedPage());
}

void SlideCommands::Organise() {
  TQuarrionCanvas& canvas = Canvas();
  std::vector<SlideOrganiserRow> rows;
  for (int i = 0; i < canvas.PageCount(); ++i) {
    const TPage& page = canvas.Pages()[std::size_t(i)];
    rows.push_back({page.Title, page.IsMaster, page.UseMaster, page.MajorEntry, page.MinorEntry, i,
                    canvas.GetAbsolutePage(i)});
  }
  organiser_->SetRows(rows, canvas.Page());
  PlaceDialog(*organiser_, window_, 100);
  if (!window_.Ask().ShowModal(*organiser_)) return;
  ReorderPages(organiser_->PageOrder());
}

void SlideCommands::ReorderPages(const std::vector<int>& order) {
  if (Canvas().ReorderPages(order)) window_.SetModified(true);
}
