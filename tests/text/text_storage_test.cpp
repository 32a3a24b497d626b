// The saved form of text objects: round trips, sizes beyond 16 bits, long texts and
// strings written by older versions.
#include <gtest/gtest.h>

#include <functional>
#include <tuple>

#include "model/byte_reader.h"
#include "base/format_error.h"
#include "storage/lookup_table_manager.h"
#include "text/text.h"

namespace {

std::unique_ptr<TPDFText> RoundTrip(const TPDFText& t) {
  const std::string saved = t.SaveToString();
  auto copy = std::make_unique<TPDFText>(0, 0, 0, 0);
  EXPECT_TRUE(copy->LoadFromString(saved).empty());
  EXPECT_EQ(copy->SaveToString(), saved);
  return copy;
}

TEST(TextStorage, EveryFieldSurvives) {
  TPDFText t(TTextFont{2, 72000, TextStyle::Italic | TextStyle::Underline}, "He said <b>\"hi\"</b>", 10, 20, 300, 200);
  t.Wrap = false;
  t.Bulleted = true;
  t.SmartQuotes = false;
  t.UnderlineLinks = false;
  t.BlockOut = true;
  t.Alignment = TextAlign::Centre;
  t.TextColour = 0x123456;
  t.LinkColour = 0x00FF00;
  t.BlockColour = 0xABCDEF;
  EXPECT_EQ(t.LineSpacing, 86400);
  auto c = RoundTrip(t);
  EXPECT_EQ(c->Text(), t.Text());
  EXPECT_EQ(c->Tags().size(), 2u);
  EXPECT_EQ((std::vector<int>{c->FontFace, c->FontSize, c->FontStyle, c->LineSpacing, c->Alignment}),
            (std::vector<int>{2, 72000, TextStyle::Italic | TextStyle::Underline, 86400, TextAlign::Centre}));
  EXPECT_EQ((std::vector<bool>{c->Wrap, c->Bulleted, c->SmartQuotes, c->UnderlineLinks, c->BlockOut}),
            (std::vector<bool>{false, true, false, false, true}));
  EXPECT_EQ((std::vector<TColor>{c->TextColour, c->LinkColour, c->BlockColour}),
            (std::vector<TColor>{0x123456, 0x00FF00, 0xABCDEF}));
  EXPECT_EQ((std::vector<int>{c->Left, c->Top, c->Right, c->Bottom}), (std::vector<int>{10, 20, 300, 200}));
  EXPECT_TRUE(c->Dirty);
  EXPECT_EQ(c->TabStops, DefaultTabRack());
}

TEST(TextStorage, TextLengthLimit) {
  TPDFText t(0, 0, 10, 10);
  t.SetText(std::string(MaxTextLength, 'x'));
  EXPECT_EQ(RoundTrip(t)->Text().size(), MaxTextLength);
  t.SetText(std::string(MaxTextLength + 1, 'x'));
  EXPECT_THROW(t.SaveToString(), SaveRangeError);  // never cut to fit
  t.FontSize = -1;
  t.SetText("x");
  EXPECT_THROW(t.SaveToString(), SaveRangeError);
}

TEST(TextStorage, OlderStringsReadAsBefore) {
  TPDFText t(0, 0, 10, 10);
  t.SetText("ab");
  const std::string saved = t.SaveToString();
  // flags, colour, face, size, spacing, length, text, alignment, 2 colours, 10 reserved
  const std::size_t own = 1 + 3 + 1 + 2 + 2 + 2 + 2 + 1 + 6 + 10;
  ASSERT_GT(saved.size(), own);
  const std::size_t base = saved.size() - own;
  EXPECT_EQ(saved.substr(saved.size() - 10), std::string(10, '\0'));  // 12 points fits 16 bits
  EXPECT_EQ(saved.substr(base + 5, 4), std::string("\xE0\x2E\x40\x38", 4));  // 12000, 14400
  // What an older version wrote for 72 points (the low 16 bits only) reads as it always did.
  std::string old = saved;
  old[base + 5] = char(72000 & 0xFF);
  old[base + 6] = char((72000 >> 8) & 0xFF);
  old[base + 13] = 'R';
  TPDFText loaded(0, 0, 0, 0);
  loaded.LoadFromString(old);
  EXPECT_EQ(loaded.FontSize, 6464);
  EXPECT_EQ(loaded.Text(), "ab");
  EXPECT_EQ(loaded.Alignment, TextAlign::Right);
  // An unknown alignment letter leaves the alignment alone.
  old[base + 13] = 'X';
  loaded.Alignment = TextAlign::Centre;
  loaded.LoadFromString(old);
  EXPECT_EQ(loaded.Alignment, TextAlign::Centre);
}

TEST(TextStorage, TruncatedStringsFail) {
  TPDFText t(0, 0, 10, 10);
  const std::string saved = t.SaveToString();
  for (std::size_t cut : {saved.size() - 1, saved.size() - 11, saved.size() - 20, std::size_t(35)}) {
    TPDFText loaded(0, 0, 0, 0);
    EXPECT_THROW(loaded.LoadFromString(saved.substr(0, cut)), FormatError) << cut;
  }
}

TEST(TextStorage, TheRegistryKnowsTextObjects) {
  TLookupTableManager registry;
  RegisterBuiltinClasses(registry);
  TPDFText t(TTextFont{1, 9000, 0}, "Registered", 5, 6, 70, 80);
  TStringRep rep = registry.WriteObject(t);
  EXPECT_EQ(rep.ID, ClassId::Text);
  auto back = registry.CreateObject(rep.ID, rep.Data);
  ASSERT_TRUE(back && back->IsA(ClassId::Text));
  EXPECT_EQ(static_cast<TPDFText&>(*back).Text(), "Registered");
  EXPECT_EQ(static_cast<TPDFText&>(*back).FontSize, 9000);
}

TEST(TextCopy, AppearanceAndGeometry) {
  TPDFText from(TTextFont{1, 20000, TextStyle::Bold}, "copied", 1, 2, 3, 4);
  from.TabStops = {5};
  from.LinkColour = 0x123;
  TPDFText to(0, 0, 0, 0);
  to.Dirty = false;
  from.AssignAppearanceTo(to);
  EXPECT_EQ((std::vector<int>{to.FontFace, to.FontSize, to.FontStyle, int(to.LinkColour)}),
            (std::vector<int>{1, 20000, TextStyle::Bold, 0x123}));
  EXPECT_EQ(to.Text(), "New Text String");  // not the text
  EXPECT_EQ(to.TabStops, DefaultTabRack());  // nor the tab stops
  EXPECT_TRUE(to.Dirty);
  auto clone = from.Clone();
  EXPECT_EQ(static_cast<TPDFText&>(*clone).Text(), "copied");
  EXPECT_EQ(clone->Right, 3);
}

}  // namespace

namespace {

// Name, start and end of each tag.
using TagList = std::vector<std::tuple<std::string, int, int>>;
TagList TagsOf(const TPDFText& t) {
  TagList list;
  for (const TTag& tag : t.Tags()) list.emplace_back(tag.Name, tag.StartPos, tag.EndPos);
  return list;
}

std::string SavedText(const std::string& markup) {
  TPDFText t(0, 0, 100, 100);
  t.SetText(markup);
  return t.SaveToString();
}

// Tags are recorded when first asked for; whatever happened to the text before, the
// answer is that of its markup at the time of asking.
TEST(TextLazyTags, TagsFollowTheMarkupWhateverCameFirst) {
  const std::string jump = "go <jump page=3>there</jump>";
  const TagList jumpTags{{"jump", 3, 16}, {"/jump", 21, 28}};
  const struct Case {
    const char* what;
    std::function<void(TPDFText&)> steps;
    TagList expected;
  } cases[] = {
      {"loaded, never asked before", [&](TPDFText& t) { t.LoadFromString(SavedText(jump)); }, jumpTags},
      {"asked, then loaded over",
       [&](TPDFText& t) {
         t.SetText("<b>x</b>");
         t.Tags();
         t.LoadFromString(SavedText(jump));
       },
       jumpTags},
      {"loaded, then edited before anyone asked",
       [&](TPDFText& t) {
         t.LoadFromString(SavedText(jump));
         t.SetText("<i>y");
       },
       {{"i", 0, 3}}},
      {"loaded, asked, then edited",
       [&](TPDFText& t) {
         t.LoadFromString(SavedText(jump));
         t.Tags();
         t.SetText("plain");
       },
       {}},
      {"a parse pass before anyone asked adds its tags after the text's own",
       [&](TPDFText& t) {
         t.LoadFromString(SavedText(jump));
         t.ProcessMarkup("<u>", false);
       },
       {{"jump", 3, 16}, {"/jump", 21, 28}, {"u", 0, 3}}},
  };
  for (const Case& c : cases) {
    TPDFText t(0, 0, 100, 100);
    c.steps(t);
    EXPECT_EQ(TagsOf(t), c.expected) << c.what;
  }
  // A copy made before anyone asked the original has the tags of its own text.
  TPDFText loaded(0, 0, 0, 0);
  loaded.LoadFromString(SavedText(jump));
  auto clone = loaded.Clone();
  EXPECT_EQ(TagsOf(static_cast<TPDFText&>(*clone)), jumpTags);
}

// Texts share one default rack; new stops for one text never reach another or the
// default, and loading puts the default back.
TEST(TextTabStops, RacksAreSharedUntilOneTextGetsNewStops) {
  TPDFText a(0, 0, 100, 100), b(0, 0, 100, 100);
  EXPECT_TRUE(a.TabStops.SharesWith(b.TabStops));
  TSharedTabRack kept = a.TabStops;
  a.TabStops = {10, 20};
  EXPECT_EQ(a.TabStops, (TTabRack{10, 20}));
  EXPECT_EQ(b.TabStops, DefaultTabRack());
  EXPECT_EQ(kept, DefaultTabRack());
  EXPECT_EQ(DefaultTabRack().size(), 160u);
  EXPECT_EQ(DefaultTabRack()[1], 36);
  // A copy of edited stops shares them until it is edited in turn.
  b.TabStops = a.TabStops;
  EXPECT_TRUE(b.TabStops.SharesWith(a.TabStops));
  b.TabStops = {5};
  EXPECT_EQ(a.TabStops, (TTabRack{10, 20}));
  EXPECT_EQ(b.TabStops, (TTabRack{5}));
  // Stops equal to the default are the default.
  b.TabStops = DefaultTabRack();
  EXPECT_TRUE(b.TabStops.IsDefault());
  a.LoadFromString(b.SaveToString());
  EXPECT_TRUE(a.TabStops.IsDefault());
}

}  // namespace
