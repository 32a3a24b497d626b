// The real executable: exit statuses, messages, files written and nothing written on failure.
#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

#include <QImage>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "cli/cli_test_folder.h"

namespace fs = std::filesystem;

namespace {

using RunResult = CliResult;

class CliEndToEnd : public CliTestFolder {
 protected:
  // Runs the tool with `args`, with extra environment entries (NAME=VALUE).
  RunResult Run(const std::vector<std::string>& args, const std::vector<std::string>& env = {}) {
    fs::path out = dir_ / ".stdout", err = dir_ / ".stderr";
    std::fflush(stdout);  // or the child would print what the parent still buffers
    std::fflush(stderr);
    pid_t pid = fork();
    if (pid == 0) {
      if (!freopen(out.c_str(), "w", stdout) || !freopen(err.c_str(), "w", stderr)) _exit(127);
      for (const auto& e : env) putenv(const_cast<char*>(e.c_str()));
      std::vector<char*> argv = {const_cast<char*>(QUARRION_CLI_PATH)};
      for (const auto& a : args) argv.push_back(const_cast<char*>(a.c_str()));
      argv.push_back(nullptr);
      execv(QUARRION_CLI_PATH, argv.data());
      _exit(127);
    }
    int status = 0;
    waitpid(pid, &status, 0);
    RunResult r{WIFEXITED(status) ? WEXITSTATUS(status) : -1, ReadAll(out), ReadAll(err)};
    fs::remove(out);
    fs::remove(err);
    return r;
  }

  // The files the test made, without the tool's captured output.
  std::vector<std::string> Files() const {
    std::vector<std::string> names;
    for (const auto& e : fs::recursive_directory_iterator(dir_))
      names.push_back(fs::relative(e.path(), dir_).string());
    std::sort(names.begin(), names.end());
    return names;
  }

};

bool Has(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

int Shell(const std::string& cmd) { return std::system((cmd + " >/dev/null 2>&1").c_str()); }

TEST_F(CliEndToEnd, UsageErrorsExitWithTwo) {
  struct Case {
    std::vector<std::string> args;
    const char* message;
  } cases[] = {
      {{}, "no command given"},
      {{"frobnicate"}, "unknown command frobnicate"},
      {{"pdf", "only-one"}, "wrong arguments for pdf"},
      {{"png", "a", "b", "--height", "3"}, "unknown option --height"},
      {{"png", "a", "b", "--width", "12x"}, "--width takes a whole number"},
      {{"png", "a", "b", "--work-area", "--width"}, "--width takes a whole number"},
      {{"png", "a", "b", "--work-area", "--frames"}, "unknown option --frames"},
  };
  for (const auto& k : cases) {
    RunResult r = Run(k.args);
    EXPECT_EQ(r.Status, 2);
    EXPECT_TRUE(Has(r.Err, k.message)) << r.Err;
    EXPECT_TRUE(Has(r.Err, "usage: quarrion-cli"));
  }
  RunResult help = Run({"--help"});
  EXPECT_EQ(help.Status, 0);
  EXPECT_TRUE(Has(help.Out, "build IN.json OUT.qsl"));
  EXPECT_TRUE(Files().empty());
}

TEST_F(CliEndToEnd, FilesThatDoNotLoadExitWithOneAndWriteNothing) {
  WriteAll(P("junk.qsl"), "this is no document");
  for (std::string cmd : {"pdf", "svg", "png"}) {
    RunResult r = Run({cmd, P("junk.qsl"), P("out." + cmd)});
    EXPECT_EQ(r.Status, 1) << cmd;
    EXPECT_TRUE(Has(r.Err, "Load failed: ")) << r.Err;
    EXPECT_EQ(std::count(r.Err.begin(), r.Err.end(), '\n'), 1) << r.Err;
  }
  RunResult missing = Run({"dump", P("absent.qsl")});
  EXPECT_EQ(missing.Status, 1);
  EXPECT_TRUE(Has(missing.Err, "Load failed: "));
  EXPECT_TRUE(missing.Out.empty());
  EXPECT_EQ(Files(), std::vector<std::string>{"junk.qsl"});
}

TEST_F(CliEndToEnd, BadJsonNamesThePlaceAndWritesNothing) {
  WriteAll(P("bad.json"), "{\"format\": \"quarrion-document\", ");
  RunResult r = Run({"build", P("bad.json"), P("out.qsl")});
  EXPECT_EQ(r.Status, 1);
  EXPECT_TRUE(Has(r.Err, "not valid JSON at byte")) << r.Err;
  WriteAll(P("wrong.json"), "{\"format\": \"quarrion-document\", \"pageWidth\": \"wide\"}");
  r = Run({"build", P("wrong.json"), P("out.qsl")});
  EXPECT_EQ(r.Status, 1);
  EXPECT_TRUE(Has(r.Err, "/pageWidth: expected a whole number")) << r.Err;
  EXPECT_FALSE(fs::exists(P("out.qsl")));
}

TEST_F(CliEndToEnd, DemoWritesACheckedDeckThatRoundTripsThroughJson) {
  RunResult r = Run({"demo", P("deck")}, {"SOURCE_DATE_EPOCH=1700000000"});
  ASSERT_EQ(r.Status, 0) << r.Err;
  EXPECT_TRUE(Has(r.Out, P("deck")));
  for (const char* f : {"demo.qsl", "demo.pdf", "demo.svg", "slide-001.png"})
    EXPECT_TRUE(fs::exists(P("deck/") + f)) << f;
  // The checkers are installed by scripts/setup.sh: a missing one fails here.
  EXPECT_EQ(Shell("qpdf --check " + P("deck/demo.pdf")), 0);
  EXPECT_EQ(Shell("xmllint --noout " + P("deck/demo.svg")), 0);
  EXPECT_EQ(std::system(("test -z \"$(xmllint --noout " + P("deck/demo.svg") + " 2>&1)\"").c_str()), 0);

  RunResult dump = Run({"dump", P("deck/demo.qsl")});
  ASSERT_EQ(dump.Status, 0) << dump.Err;
  WriteAll(P("deck.json"), dump.Out);
  RunResult build = Run({"build", P("deck.json"), P("rebuilt.qsl")});
  ASSERT_EQ(build.Status, 0) << build.Err;
  RunResult again = Run({"dump", P("rebuilt.qsl")});
  EXPECT_EQ(again.Out, dump.Out);
}

TEST_F(CliEndToEnd, SlideImagesShowTheSlides) {
  ASSERT_EQ(Run({"demo", P("deck")}).Status, 0);
  RunResult r = Run({"png", P("deck/demo.qsl"), P("shots"), "--width", "432"});
  ASSERT_EQ(r.Status, 0) << r.Err;
  int slides = 0;
  for (const auto& e : fs::directory_iterator(P("shots"))) {
    ++slides;
    QImage image(QString::fromStdString(e.path().string()));
    ASSERT_EQ(image.width(), 432) << e.path();
    // Not blank: a good share of the slide differs from the white page.
    int coloured = 0;
    for (int y = 0; y < image.height(); ++y)
      for (int x = 0; x < image.width(); ++x) coloured += (image.pixel(x, y) & 0xFFFFFF) != 0xFFFFFF;
    EXPECT_GT(coloured, image.width() * image.height() / 20) << e.path();
  }
  EXPECT_GE(slides, 2);
  EXPECT_FALSE(fs::exists(P("shots/slide-000.png")));
}

// By default the audience's view; --work-area adds the editor's guides and link frames,
// and nothing else.
TEST_F(CliEndToEnd, SlideImagesShowTheAudiencesViewUnlessAskedForTheWorkArea) {
  ASSERT_EQ(Run({"demo", P("deck")}).Status, 0);
  ASSERT_EQ(Run({"png", P("deck/demo.qsl"), P("show"), "--width", "432"}).Status, 0);
  ASSERT_EQ(Run({"png", P("deck/demo.qsl"), P("edit"), "--work-area", "--width", "432"}).Status, 0);
  int differing = 0;
  for (const auto& e : fs::directory_iterator(P("show"))) {
    const std::string name = e.path().filename().string();
    QImage show(QString::fromStdString(e.path().string()));
    QImage edit(QString::fromStdString(P("edit/" + name)));
    ASSERT_EQ(show.size(), edit.size()) << name;
    for (int y = 0; y < show.height(); ++y)
      for (int x = 0; x < show.width(); ++x) {
        const QRgb a = show.pixel(x, y) & 0xFFFFFF, b = edit.pixel(x, y) & 0xFFFFFF;
        if (a == b) continue;
        ++differing;
        // Link frames and guides are drawn in pure red or pure blue.
        EXPECT_TRUE(b == 0xFF0000 || b == 0x0000FF) << name << " at " << x << "," << y << ": " << std::hex << b;
      }
  }
  // The sample deck has links on every slide.
  EXPECT_GT(differing, 100);
}

TEST_F(CliEndToEnd, PdfExportIsReproducibleWithAFixedDate) {
  ASSERT_EQ(Run({"demo", P("deck")}).Status, 0);
  std::vector<std::string> env = {"SOURCE_DATE_EPOCH=86400"};
  ASSERT_EQ(Run({"pdf", P("deck/demo.qsl"), P("a.pdf")}, env).Status, 0);
  ASSERT_EQ(Run({"pdf", P("deck/demo.qsl"), P("b.pdf")}, env).Status, 0);
  std::string a = ReadAll(P("a.pdf"));
  EXPECT_EQ(a, ReadAll(P("b.pdf")));
  EXPECT_TRUE(Has(a, "/CreationDate (D:19700102000000)"));
  RunResult svg = Run({"svg", P("deck/demo.qsl"), P("show/deck.svg")});
  EXPECT_EQ(svg.Status, 1) << "the folder does not exist";
  EXPECT_TRUE(Has(svg.Err, "Could not write"));
}

TEST_F(CliEndToEnd, WritingToAnUnwritablePlaceFailsCleanly) {
  ASSERT_EQ(Run({"demo", P("deck")}).Status, 0);
  RunResult r = Run({"pdf", P("deck/demo.qsl"), P("no/such/folder/out.pdf")});
  EXPECT_EQ(r.Status, 1);
  EXPECT_TRUE(Has(r.Err, "Could not write")) << r.Err;
}

}  // namespace
