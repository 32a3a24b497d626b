// The JSON form of documents: every field survives dump and build, and bad input is
// refused with the place and the problem.
#include <gtest/gtest.h>

#include "cli/base64.h"
#include "cli/cli_document.h"
#include "cli/document_json.h"
#include "cli/object_json.h"
#include "cli/sample_deck.h"
#include "objects/annot.h"
#include "objects/gradient.h"
#include "objects/rectangle.h"

namespace {

std::string BuildError(const std::string& text) {
  CliDocument doc;
  try {
    DocumentFromJson(Json::parse(text), doc.Canvas());
  } catch (const JsonInputError& e) {
    return e.what();
  }
  return "no error";
}

Json SampleJson() {
  CliDocument doc;
  BuildSampleDeck(doc.Canvas());
  return DocumentToJson(doc.Canvas());
}

TEST(CliJson, SampleDeckSurvivesDumpAndBuild) {
  Json first = SampleJson();
  CliDocument rebuilt;
  DocumentFromJson(first, rebuilt.Canvas());
  EXPECT_EQ(DocumentToJson(rebuilt.Canvas()).dump(1), first.dump(1));
}

TEST(CliJson, RectangleWithLinkAndGradientKeepsEveryField) {
  TPDFRectangle box(-3, 7, 300, 65000);
  box.Outline = false;
  box.Shadow = true;
  box.ShadowX = -128;
  box.ShadowY = 127;
  box.OutlineColour = 0x123456;
  box.LineWidth = 0.5;
  box.DashPattern = {3, 255};
  box.Locked = true;
  auto g = std::make_unique<TPDFGradient>(0, 0, 0, 0);
  g->ShadingType = 3;
  g->Start.X = 0.1;
  g->End.Radius = 1.25;
  g->End.Extend = false;
  box.SetGradient(std::move(g));
  auto link = std::make_unique<TPDFAnnot>(1, 2, 3, 4);
  link->LinkKind = 2;
  link->Target = "caf\xE9.example";
  link->Destination = {-32768, 32767, 5, 2.5};
  box.AddAnnot(std::move(link));

  Json j = ObjectToJson(box);
  auto back = ObjectFromJson(j, "/x");
  EXPECT_EQ(ObjectToJson(*back), j);
  EXPECT_EQ(back->SaveToString(), box.SaveToString());
  EXPECT_EQ(j["links"][0]["target"], "caf\xC3\xA9.example");
}

TEST(CliJson, BadDocumentsNameThePlaceAndTheProblem) {
  Json good = SampleJson();
  struct Case {
    const char* pointer;
    Json value;
    const char* expected;
  } cases[] = {
      {"/pages/1/objects/0/left", 70000, "/pages/1/objects/0/left: 70000 is outside -512 to 65023"},
      {"/pages/1/objects/0/class", "blob", "/pages/1/objects/0/class: unknown object class \"blob\""},
      {"/pages/2/objects/0/fillColour", "red", "/pages/2/objects/0/fillColour: expected a colour"},
      {"/pages/0/title", 5, "/pages/0/title: expected a string"},
      {"/info/title", "\xE4\xB8\xAD", "/info/title: character at byte 0 cannot be stored"},
      {"/pages/2/objects/0/shadowX", 200, "/pages/2/objects/0/shadowX: 200 is outside -128 to 127"},
      {"/pages", Json::array(), "/pages: expected a list of 1 to 255 pages"},
      {"/format", "other", "/format: expected \"quarrion-document\""},
  };
  for (const auto& k : cases) {
    Json bad = good;
    bad[Json::json_pointer(k.pointer)] = k.value;
    EXPECT_NE(BuildError(bad.dump()).find(k.expected), std::string::npos)
        << k.pointer << " gave " << BuildError(bad.dump());
  }
}

TEST(CliJson, Base64RoundTripsAndRejectsJunk) {
  for (std::string s : {std::string(), std::string("a"), std::string("ab"), std::string("abc"),
                        std::string("\0\xFF\x10 binary", 10)})
    EXPECT_EQ(Base64Decode(Base64Encode(s)), s);
  EXPECT_EQ(Base64Encode("Man"), "TWFu");
  EXPECT_EQ(Base64Encode("Ma"), "TWE=");
  EXPECT_FALSE(Base64Decode("TWE"));
  EXPECT_FALSE(Base64Decode("T=Fu"));
  EXPECT_FALSE(Base64Decode("TW!u"));
}

}  // namespace
