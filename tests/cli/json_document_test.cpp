// The JSON form of documents: every field survives dump and build, and bad input is
// refused with the place and the problem.
#include <gtest/gtest.h>

#include "cli/base64.h"
#include "cli/cli_document.h"
#include "cli/document_json.h"
#include "cli/object_json.h"
#include "cli/sample_deck.h"
#include "cli/sample_picture.h"
#include "objects/annot.h"
#include "objects/gradient.h"
#include "objects/rectangle.h"

namespace {

bool Has(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

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

// Built from `text`, then dumped: what a reader of the dump sees.
Json BuiltAndDumped(const std::string& text) {
  CliDocument doc;
  DocumentFromJson(Json::parse(text), doc.Canvas());
  return DocumentToJson(doc.Canvas());
}

// The defaults of a new document, page and object of each kind, as the design gives them.
TEST(CliJson, LeftOutMembersTakeTheValuesOfANewObject) {
  const std::string onePage = R"({"pages": [{"objects": [{"class": "rectangle"}, {"class": "text"},
      {"class": "line", "right": 100, "bottom": 40}, {"class": "bezier", "left": 10, "top": 20,
      "right": 110, "bottom": 120}, {"class": "guide", "top": 30}, {"class": "link"},
      {"class": "rectangle", "gradient": {}}, {"class": "text", "fontSize": 24000}]},
      {"title": "Intro"}]})";
  Json j = BuiltAndDumped(onePage);
  struct Case {
    const char* pointer;
    Json expected;
  } cases[] = {
      {"/format", "quarrion-document"},
      {"/pageWidth", 432},
      {"/pageHeight", 324},
      {"/info/background", "#FFFFFF"},
      {"/pages/0/title", "New Slide"},
      {"/pages/0/minorEntry", "New Slide"},
      {"/pages/0/majorEntry", ""},
      {"/pages/0/useMaster", true},
      {"/pages/0/master", false},
      {"/pages/1/minorEntry", "Intro"},  // the outline entry follows a typed title
      {"/pages/0/objects/0/outline", true},
      {"/pages/0/objects/0/outlineColour", "#000000"},
      {"/pages/0/objects/0/fill", true},
      {"/pages/0/objects/0/fillColour", "#FFFFFF"},
      {"/pages/0/objects/0/shadow", false},
      {"/pages/0/objects/1/text", "New Text String"},
      {"/pages/0/objects/1/fontFace", 0},  // Arial
      {"/pages/0/objects/1/fontSize", 12000},
      {"/pages/0/objects/1/lineSpacing", 14400},
      {"/pages/0/objects/1/linkColour", "#0000FF"},
      {"/pages/0/objects/1/smartQuotes", true},
      {"/pages/0/objects/2/lineWidth", 1.0},
      {"/pages/0/objects/2/colour", "#000000"},
      {"/pages/0/objects/3/control", Json::array({-40, -30, 160, 170})},
      {"/pages/0/objects/4/orientation", 0},
      {"/pages/0/objects/4/bottom", 65536},
      {"/pages/0/objects/4/dash", Json::array({4})},
      {"/pages/0/objects/5/kind", "absolute"},
      {"/pages/0/objects/6/gradient/type", "axial"},
      {"/pages/0/objects/6/gradient/start/colour", "#FF0000"},
      {"/pages/0/objects/6/gradient/end/colour", "#FFFF00"},
      {"/pages/0/objects/6/gradient/end/extend", true},
      {"/pages/0/objects/7/lineSpacing", 28800},  // 1.2 times a size that was given
  };
  for (const auto& k : cases) EXPECT_EQ(j[Json::json_pointer(k.pointer)], k.expected) << k.pointer;
}

TEST(CliJson, AnImageWithoutASizeTakesItsPicturesSize) {
  Json deck = {{"resources", Json::array({{{"name", "sky.bmp"}, {"data", Base64Encode(SamplePictureBmp())}}})},
               {"pages", Json::array({{{"objects", Json::array({
                    {{"class", "image"}, {"file", "sky.bmp"}, {"left", 10}, {"top", 20}},
                    {{"class", "image"}, {"file", "sky.bmp"}, {"left", 10}, {"top", 20}, {"right", 10 + 2 * 120}},
                    {{"class", "image"}, {"file", "sky.bmp"}, {"right", 50}, {"preserveAspect", false}},
                    {{"class", "image"}, {"file", "absent.png"}, {"left", 100}, {"top", 10}},
                })}}})}};
  Json j = BuiltAndDumped(deck.dump());
  const Json& images = j["pages"][0]["objects"];
  // The sample picture is 120 x 80 pixels: one point per pixel, the height following a
  // given width while the aspect is kept, and the picture's height otherwise.
  EXPECT_EQ(images[0]["right"], 130);
  EXPECT_EQ(images[0]["bottom"], 100);
  EXPECT_EQ(images[1]["bottom"], 20 + 2 * 80);
  EXPECT_EQ(images[2]["bottom"], 80);
  EXPECT_EQ(images[0]["storeInFile"], true);
  // A picture that is not there leaves the 32-point placeholder.
  EXPECT_EQ(images[3]["right"], 132);
  EXPECT_EQ(images[3]["bottom"], 42);
}

TEST(CliJson, UnknownMembersAreRefusedWithTheClosestKnownName) {
  struct Case {
    const char* text;
    const char* expected;
  } cases[] = {
      {R"({"pages": [{"objects": [{"class": "line", "colur": "#FF0000"}]}]})",
       "/pages/0/objects/0/colur: unknown member; did you mean \"colour\"?"},
      {R"({"pagewidth": 100})", "/pagewidth: unknown member; did you mean \"pageWidth\"?"},
      {R"({"pages": [{"Title": "x"}]})", "/pages/0/Title: unknown member; did you mean \"title\"?"},
      {R"({"info": {"background": "#000000", "backgroundGradient": {"end": {"color": "#000000"}}}})",
       "/info/backgroundGradient/end/color: unknown member; did you mean \"colour\"?"},
      {R"({"pages": [{"objects": [{"class": "rectangle", "gradient": {"links": []}}]}]})",
       "/pages/0/objects/0/gradient/links: unknown member"},
      {R"({"pages": [{"objects": [{"class": "rectangle", "links": [{"destination": {"pgae": 2}}]}]}]})",
       "/pages/0/objects/0/links/0/destination/pgae: unknown member; did you mean \"page\"?"},
      {R"({"pages": [{"objects": [{"class": "rectangle", "fontSize": 9000}]}]})",
       "/pages/0/objects/0/fontSize: unknown member"},
      {R"({"resources": [{"name": "a", "a/b~": 1}]})", "/resources/0/a~1b~0: unknown member"},
  };
  for (const auto& k : cases) {
    std::string error = BuildError(k.text);
    EXPECT_EQ(error.substr(0, std::string(k.expected).size()), k.expected) << k.text;
    if (!Has(k.expected, "did you mean")) {
      EXPECT_FALSE(Has(error, "did you mean")) << error;
    }
  }
}

// What the file holds at its limits builds; one step past them does not.
TEST(CliJson, BuildTakesExactlyTheRangesOfTheFile) {
  const double maxPosition = (0xFFFFFF - 200000) / 65536.0, minPosition = -200000 / 65536.0;
  struct Case {
    const char* pointer;
    Json value;
    bool accepted;
  } cases[] = {
      {"/pageWidth", 0, true},
      {"/pageWidth", 16777215, true},
      {"/pageWidth", 16777216, false},
      {"/pages/0/objects/0/lineWidth", 65535.5, true},
      {"/pages/0/objects/0/lineWidth", 4294967295.0 / 65536.0, true},
      {"/pages/0/objects/0/lineWidth", 65536.0, false},
      {"/pages/0/objects/0/lineWidth", -0.5, false},
      {"/pages/0/objects/0/gradient/start/x", maxPosition, true},
      {"/pages/0/objects/0/gradient/start/x", maxPosition + 1 / 65536.0, false},
      {"/pages/0/objects/0/gradient/end/y", minPosition, true},
      {"/pages/0/objects/0/gradient/end/y", minPosition - 1 / 65536.0, false},
      {"/pages/0/objects/0/gradient/end/radius", 0xFFFFFF / 65536.0, true},
      {"/pages/0/objects/0/gradient/end/radius", 256.0, false},
      {"/pages/0/objects/0/bottom", 65023, true},
      {"/pages/0/objects/0/bottom", 65024, false},
      {"/resources/0/name", "", true},
      {"/resources/0/name", std::string(256, 'n'), false},
  };
  for (const auto& k : cases) {
    Json deck = Json::parse(R"({"pages": [{"objects": [{"class": "rectangle", "gradient": {}}]}],
                                "resources": [{"name": "r", "data": "AAEC"}]})");
    deck[Json::json_pointer(k.pointer)] = k.value;
    std::string error = BuildError(deck.dump());
    EXPECT_EQ(error == "no error", k.accepted) << k.pointer << " = " << k.value << ": " << error;
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
