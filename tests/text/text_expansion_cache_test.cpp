// A text keeps its expanded markup between exports: whatever a tag reads (the slide's
// title and number, the clock, the user, the text and its flags) that changes after an
// export shows in the next export exactly as in a document built with it from the start.
#include <gtest/gtest.h>

#include <functional>

#include "model/clock.h"
#include "model/environment_info.h"
#include "model/quarrion_canvas.h"
#include "text/text.h"

namespace {

class SettableClock : public TClock {
 public:
  TDateTime Now() const override { return {2024, 5, 6, 7, 8, Second}; }
  std::string ShortDate(const TDateTime& t) const override { return Day + "/05/" + std::to_string(t.Year); }
  std::string LongTime(const TDateTime& t) const override { return "07:08:" + std::to_string(t.Second); }
  std::string Day = "06";
  int Second = 9;
};

struct Deck {
  std::vector<std::string> Titles = {"First", "Second", "Third"};
  std::string Markup = "<#title> \"<#page>\" <#page style=roman origin=3> <#date> <#time> <#user> &amp;";
  bool SmartQuotes = true;
  std::uint8_t FontStyle = 0;
};

TPDFText* AddText(TQuarrionCanvas& canvas, const Deck& deck, int top) {
  auto* text = static_cast<TPDFText*>(canvas.Add(std::make_unique<TPDFText>(20, top, 400, top + 40)));
  text->SetText(deck.Markup);
  text->SmartQuotes = deck.SmartQuotes;
  text->FontStyle = deck.FontStyle;
  return text;
}

// A master page whose text every slide shows, and the same text on the last slide.
void Build(TQuarrionCanvas& canvas, const Deck& deck) {
  canvas.SetPageCount(int(deck.Titles.size()) + 1);
  TPage& master = canvas.Pages()[0];
  master.IsMaster = true;
  master.UseMaster = false;
  for (std::size_t i = 0; i < deck.Titles.size(); ++i) canvas.Pages()[i + 1].Title = deck.Titles[i];
  canvas.SetPage(0);
  AddText(canvas, deck, 10);
  canvas.SetPage(int(deck.Titles.size()));
  AddText(canvas, deck, 100);
}

std::string Exports(TQuarrionCanvas& canvas) {
  std::string pdf, svg;
  canvas.GeneratePDF(pdf);
  TResources sideFiles;
  canvas.GenerateSVG(svg, sideFiles);
  return pdf + svg;
}

// Every text of the document, the master's and the slides'.
void ForEachText(TQuarrionCanvas& canvas, const std::function<void(TPDFText&)>& change) {
  for (TPage& page : canvas.Pages())
    for (auto& obj : page.Objects)
      if (obj->IsA(ClassId::Text)) change(static_cast<TPDFText&>(*obj));
}

TEST(TextExpansionCache, AChangeAfterAnExportShowsAsInAFreshDocument) {
  SettableClock clock;
  InstallClock(&clock);
  const std::string savedUser = EnvironmentInfo().UserName;
  EnvironmentInfo().UserName = "ann";
  struct Case {
    const char* what;
    std::function<void(Deck&)> describe;                  // the fresh document
    std::function<void(TQuarrionCanvas&)> change;         // the exported one
    std::function<void()> outside = [] {};                // what both read
  } cases[] = {
      // The last slide's title: its own text shows it, not only the master's.
      {"slide title", [](Deck& d) { d.Titles[2] = "Renamed"; },
       [](TQuarrionCanvas& c) { c.Pages()[3].Title = "Renamed"; }},
      {"slides reordered", [](Deck& d) { std::swap(d.Titles[0], d.Titles[1]); },
       [](TQuarrionCanvas& c) { ASSERT_TRUE(c.ReorderPages({0, 2, 1, 3})); }},
      {"slide added", [](Deck& d) { d.Titles.insert(d.Titles.begin(), ""); },
       [](TQuarrionCanvas& c) {
         ASSERT_TRUE(c.AddPage(1, true, false));
         c.Pages()[1].Title.clear();
       }},
      {"date", [](Deck&) {}, [](TQuarrionCanvas&) {}, [&clock] { clock.Day = "07"; }},
      {"time", [](Deck&) {}, [](TQuarrionCanvas&) {}, [&clock] { clock.Second = 10; }},
      {"user", [](Deck&) {}, [](TQuarrionCanvas&) {}, [] { EnvironmentInfo().UserName = "bob"; }},
      {"text", [](Deck& d) { d.Markup = "<#page> only"; },
       [](TQuarrionCanvas& c) { ForEachText(c, [](TPDFText& t) { t.SetText("<#page> only"); }); }},
      {"smart quotes", [](Deck& d) { d.SmartQuotes = false; },
       [](TQuarrionCanvas& c) { ForEachText(c, [](TPDFText& t) { t.SmartQuotes = false; }); }},
      {"font style", [](Deck& d) { d.FontStyle = TextStyle::Bold | TextStyle::Underline; },
       [](TQuarrionCanvas& c) {
         ForEachText(c, [](TPDFText& t) { t.FontStyle = TextStyle::Bold | TextStyle::Underline; });
       }},
  };
  for (const auto& c : cases) {
    clock.Day = "06";
    clock.Second = 9;
    EnvironmentInfo().UserName = "ann";
    TQuarrionCanvas exported;
    Build(exported, Deck());
    const std::string before = Exports(exported);
    c.change(exported);
    c.outside();
    Deck changed;
    c.describe(changed);
    TQuarrionCanvas fresh;
    Build(fresh, changed);
    const std::string expected = Exports(fresh);
    EXPECT_NE(expected, before) << c.what << ": the change must show";
    EXPECT_EQ(Exports(exported), expected) << c.what;
  }
  EnvironmentInfo().UserName = savedUser;
  InstallClock(nullptr);
}

}  // namespace
