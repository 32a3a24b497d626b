// The markup scanner: quotes, entities, tags, attributes and their expansion.
#include <gtest/gtest.h>

#include "model/clock.h"
#include "model/environment_info.h"
#include "model/quarrion_canvas.h"
#include "text/display_string.h"
#include "text/text.h"

namespace {

std::string P(int code) { return std::string{'\x01', char(code)}; }
std::string B(int byte) { return std::string(1, char(byte)); }

std::string Expand(const std::string& source, bool smartQuotes = true, std::uint8_t style = 0) {
  TPDFText t(0, 0, 100, 100);
  t.SmartQuotes = smartQuotes;
  t.FontStyle = style;
  return t.ProcessMarkup(source, true);
}

TEST(TextMarkup, QuotesEntitiesAndPlainText) {
  struct Case {
    std::string source;
    bool smart;
    std::string shown;
  } cases[] = {
      {"New Text String", true, "New Text String"},
      {"He said \"it's fine\"", true, "He said " + B(147) + "it" + B(146) + "s fine" + B(148)},
      {"He said \"it's fine\"", false, "He said \"it's fine\""},
      {"\"'Hi'\"", true, B(147) + B(145) + "Hi" + B(146) + B(147)},  // a quote after a quote opens
      {"say <b>\"x\"", true, "say " + P(1) + B(147) + "x" + B(148)},      // tags are transparent
      {"\t'a\r\n'b", true, "\t" + B(145) + "a\r\n" + B(145) + "b"},
      {"x &lt;b&gt; y", true, "x <b> y"},
      {"&AMP; &Lt; &amp;lt;", true, "& < &lt;"},
      {"a < b", true, "a < b"},                   // no ">" after it: shown as typed
      {"<b>bold</b> <i>it</i> <u>u</u> <B>", true, P(1) + "bold" + P(2) + " " + P(3) + "it" + P(4) + " " + P(32) + "u" + P(33) + " " + P(1)},
      {"a<tab>b<unknown x=1>c<jump>d</jump>", true, "a" + P(8) + "bc" + "d" + P(6)},
  };
  for (const auto& c : cases) EXPECT_EQ(Expand(c.source, c.smart), c.shown) << c.source;
  EXPECT_EQ(Expand("New Text String", true, TextStyle::Bold), P(1) + "New Text String" + P(2));
  EXPECT_EQ(Expand("x", true, TextStyle::Bold | TextStyle::Italic | TextStyle::Underline),
            P(32) + P(3) + P(1) + "x" + P(2) + P(4) + P(33));
}

TEST(TextMarkup, SpecialCharacterTags) {
  struct Case {
    const char* tag;
    int byte;
  } cases[] = {{"#deg", 176},    {"#lqout", 145}, {"#rquot", 146}, {"#ldquot", 147},
               {"#rdquot", 148}, {"#endash", 150}, {"#emdash", 151}, {"#trade", 153},
               {"#copy", 169},   {"#reg", 174},   {"#mul", 215},   {"#div", 247}};
  for (const auto& c : cases) EXPECT_EQ(Expand(std::string("<") + c.tag + ">"), B(c.byte)) << c.tag;
  EXPECT_EQ(Expand("<#lquot>"), "");  // the left single quote is spelt "lqout"
}

TEST(TextMarkup, TagsAndAttributesAreRecorded) {
  TPDFText t(0, 0, 100, 100);
  t.SetText("x<jump href=\"my file.htm\" type=Relative>y</JUMP> <a  b=c\"d e\"f g=\"\">");
  const TTagTable& tags = t.Tags();
  ASSERT_EQ(tags.size(), 3u);
  EXPECT_EQ(tags[0].Name, "jump");
  ASSERT_EQ(tags[0].Attributes.size(), 2u);
  EXPECT_EQ(tags[0].Attributes[0].Name, "href");
  EXPECT_EQ(tags[0].Attributes[0].Text, "my file.htm");
  EXPECT_EQ(tags[0].Attributes[1].Name, "type");
  EXPECT_EQ(tags[0].Attributes[1].Text, "Relative");
  EXPECT_EQ(t.Text().substr(std::size_t(tags[0].StartPos), std::size_t(tags[0].EndPos - tags[0].StartPos)),
            "<jump href=\"my file.htm\" type=Relative>");
  EXPECT_EQ(tags[1].Name, "/jump");
  EXPECT_EQ(tags[1].StartPos, 41);
  // An empty attribute from the double space; characters after a closing quote go on
  // with the same value.
  ASSERT_EQ(tags[2].Attributes.size(), 3u);
  EXPECT_EQ(tags[2].Attributes[1].Name, "b");
  EXPECT_EQ(tags[2].Attributes[1].Text, "cd ef");
  EXPECT_EQ(tags[2].Attributes[2].Text, "");
  t.SetText("no tags");
  EXPECT_TRUE(t.Tags().empty());
}

TEST(TextMarkup, JumpTagsAndTheirNumbers) {
  struct Case {
    std::string source, shown;
  } cases[] = {
      {"<jump page=3>Go</jump>", P(5) + B(146) + B(176) + "Go" + P(6)},
      {"<jump page=-1 type=relative>", P(7) + B(31999 % 223 + 33) + B(31999 / 223 + 33)},
      {"<jump page=0>", P(5) + B(31999 % 223 + 33) + B(31999 / 223 + 33)},  // the last slide
      {"<jump href=\"a://b.cd\">", P(9) + B(41) + B(33) + "a://b.cd"},
      {"<jump href=notes.txt>", P(34) + B(42) + B(33) + "notes.txt"},
      {"<jump HREF=www.x>", P(9) + B(38) + B(33) + "www.x"},
      {"<jump page=2 href=x.htm>", P(5) + B(32001 % 223 + 33) + B(32001 / 223 + 33)},
      {"<jump page=two>", ""},
      {"<jump page=-99999>", P(5) + B(33) + B(33)},  // kept in range, never control bytes
      {"<jump href=\"a&amp;b.htm\">x", P(9) + B(44) + B(33) + "a&amp;b.htm" + "x"},
  };
  for (const auto& c : cases) EXPECT_EQ(Expand(c.source), c.shown) << c.source;
  EXPECT_EQ(ReadTwoByteNumber(B(146) + B(176), 0), 32002);
}

class FixedClock : public TClock {
 public:
  TDateTime Now() const override { return {2024, 3, 9, 14, 5, 7}; }
  std::string ShortDate(const TDateTime& t) const override {
    return std::to_string(t.Day) + "/" + std::to_string(t.Month) + "/" + std::to_string(t.Year);
  }
  std::string LongTime(const TDateTime& t) const override {
    return std::to_string(t.Hour) + ":0" + std::to_string(t.Minute) + ":0" + std::to_string(t.Second);
  }
};

TEST(TextMarkup, DocumentValues) {
  FixedClock clock;
  InstallClock(&clock);
  TQuarrionCanvas canvas;
  canvas.AddPage(1, true, false);
  canvas.AddPage(2, true, false);
  canvas.Pages()[0].IsMaster = true;
  canvas.Pages()[1].Title = "Intro";
  canvas.SetPageIndexQuietly(1);
  TPDFText t(0, 0, 100, 100);
  const std::string saved = EnvironmentInfo().UserName;
  EnvironmentInfo().UserName = "Ada";
  struct Case {
    std::string source, shown;
  } cases[] = {
      {"<#date> <#time>", "9/3/2024 14:05:07"},
      {"<#title>", "Intro"},
      {"<#user>", "Ada"},
      {"<#page>", "1"},
      {"<#page style=roman origin=5>", "V"},
      {"<#page style=ROMAN-lower origin=4>", "iv"},
      {"<#page style=alpha origin=28>", "AB"},
      {"<#page origin=x>", "1"},
      {"<#page style=greek origin=10>", "10"},
  };
  for (const auto& c : cases) EXPECT_EQ(t.ProcessMarkup(c.source, true, &canvas), c.shown) << c.source;
  canvas.SetPageIndexQuietly(0);
  EXPECT_EQ(t.ProcessMarkup("<#page>", true, &canvas), "X");  // a master page
  EnvironmentInfo().UserName.clear();
  EXPECT_EQ(t.ProcessMarkup("<#user>", true, &canvas), AccountUserName());
  EnvironmentInfo().UserName = saved;
  InstallClock(nullptr);
}

}  // namespace
