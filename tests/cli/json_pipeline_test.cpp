// JSON decks in pipelines, through the real executable: the hand-written examples build
// and export, "-" reads standard input and writes standard output, and pdf, svg and png
// take a JSON deck directly.
#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "cli/cli_test_folder.h"
#include "cli/json_fields.h"

namespace fs = std::filesystem;

namespace {

using ShellResult = CliResult;

class CliJsonPipeline : public CliTestFolder {
 protected:
  // Runs `command` with the shell in the examples folder; "Q" in it stands for the tool.
  ShellResult Sh(std::string command) {
    for (auto at = command.find("Q "); at != std::string::npos; at = command.find("Q ", at + 1))
      if (at == 0 || command[at - 1] == ' ' || command[at - 1] == '|')
        command.replace(at, 1, std::string("'") + QUARRION_CLI_PATH + "'");
    std::string full = "cd '" QUARRION_EXAMPLES "' && SOURCE_DATE_EPOCH=1700000000 QT_QPA_PLATFORM=offscreen " +
                       command + " >'" + P(".out") + "' 2>'" + P(".err") + "'";
    int status = std::system(full.c_str());
    ShellResult r{WIFEXITED(status) ? WEXITSTATUS(status) : -1, ReadAll(P(".out")), ReadAll(P(".err"))};
    fs::remove(P(".out"));
    fs::remove(P(".err"));
    return r;
  }

};

TEST_F(CliJsonPipeline, EveryExampleBuildsAndExports) {
  for (const char* name : {"hello", "three-slides"}) {
    const std::string deck = std::string(name) + ".json", base = P(name);
    ShellResult built = Sh("Q build " + deck + " " + base + ".qsl");
    ASSERT_EQ(built.Status, 0) << name << ": " << built.Err;
    ASSERT_EQ(Sh("Q pdf " + deck + " " + base + ".pdf").Status, 0) << name;
    ASSERT_EQ(Sh("Q svg " + deck + " " + base + "-svg/" + name + ".svg").Status, 1) << "no folder yet";
    fs::create_directory(base + "-svg");
    ASSERT_EQ(Sh("Q svg " + deck + " " + base + "-svg/" + name + ".svg").Status, 0) << name;
    ASSERT_EQ(Sh("Q png " + deck + " " + base + "-png").Status, 0) << name;
    EXPECT_TRUE(fs::exists(base + "-png/slide-001.png"));
    // The deck read directly exports as the document built from it does.
    ASSERT_EQ(Sh("Q pdf " + base + ".qsl " + base + "-from-qsl.pdf").Status, 0);
    EXPECT_EQ(ReadAll(base + ".pdf"), ReadAll(base + "-from-qsl.pdf")) << name;
    // Checked by tools the setup script installs.
    EXPECT_EQ(Sh("qpdf --check " + base + ".pdf").Status, 0) << name;
    EXPECT_EQ(Sh("xmllint --noout " + base + "-svg/" + name + ".svg").Status, 0) << name;
  }
  ShellResult images = Sh("pdfimages -list " + P("three-slides.pdf"));
  EXPECT_NE(images.Out.find(" 96 "), std::string::npos) << "the picture, 96 pixels wide: " << images.Out;
  ShellResult text = Sh("pdftotext " + P("three-slides.pdf") + " -");
  EXPECT_NE(text.Out.find("Slide 3 \xE2\x80\x93 back to the start"), std::string::npos) << text.Out;
}

TEST_F(CliJsonPipeline, TheMinimalDeckDumpsWithTheDefaultsOfANewDocument) {
  ShellResult dump = Sh("Q dump hello.json");
  ASSERT_EQ(dump.Status, 0) << dump.Err;
  Json j = Json::parse(dump.Out);
  EXPECT_EQ(j["pageWidth"], 432);
  EXPECT_EQ(j["pageHeight"], 324);
  EXPECT_EQ(j["pages"][0]["minorEntry"], "Hello");
  EXPECT_EQ(j["pages"][0]["objects"][0]["fontSize"], 12000);
  EXPECT_EQ(j["pages"][0]["objects"][0]["text"], "Hello <b>world</b>");
}

TEST_F(CliJsonPipeline, DashReadsStandardInputAndWritesStandardOutput) {
  ASSERT_EQ(Sh("Q build hello.json " + P("file.qsl")).Status, 0);
  const std::string reference = ReadAll(P("file.qsl"));
  ShellResult fromPipe = Sh("cat hello.json | Q build - " + P("piped.qsl"));
  ASSERT_EQ(fromPipe.Status, 0) << fromPipe.Err;
  EXPECT_EQ(ReadAll(P("piped.qsl")), reference);
  ShellResult toPipe = Sh("Q build hello.json -");
  ASSERT_EQ(toPipe.Status, 0) << toPipe.Err;
  EXPECT_EQ(toPipe.Out, reference);
  ShellResult dumpFile = Sh("Q dump " + P("file.qsl"));
  ShellResult dumpPipe = Sh("cat " + P("file.qsl") + " | Q dump -");
  ASSERT_EQ(dumpPipe.Status, 0) << dumpPipe.Err;
  EXPECT_EQ(dumpPipe.Out, dumpFile.Out);
  EXPECT_FALSE(dumpPipe.Out.empty());
}

TEST_F(CliJsonPipeline, AMisspeltMemberStopsTheCommandAndWritesNothing) {
  std::ofstream(P("typo.json")) << R"({"pages": [{"objects": [{"class": "line", "colur": "#FF0000"}]}]})";
  const std::string expected =
      "/pages/0/objects/0/colur: unknown member; did you mean \"colour\"?\n";
  struct Case {
    std::string command;
    const char* prefix;
  } cases[] = {
      {"Q build " + P("typo.json") + " " + P("out.qsl"), ""},
      {"Q pdf " + P("typo.json") + " " + P("out.pdf"), "Load failed: "},
      {"Q build " + P("typo.json") + " -", ""},
      {"cat " + P("typo.json") + " | Q build - -", ""},
  };
  for (const auto& k : cases) {
    ShellResult r = Sh(k.command);
    EXPECT_EQ(r.Status, 1) << k.command;
    EXPECT_TRUE(r.Out.empty()) << k.command;
    EXPECT_EQ(r.Err.rfind(k.prefix, 0), 0u) << r.Err;
    EXPECT_EQ(r.Err.size() >= expected.size() ? r.Err.substr(r.Err.size() - expected.size()) : r.Err, expected);
  }
  EXPECT_FALSE(fs::exists(P("out.qsl")));
  EXPECT_FALSE(fs::exists(P("out.pdf")));
}

}  // namespace
