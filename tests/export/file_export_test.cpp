// The export commands: a probe first, progress texts, the byte count, the old file kept.
#include <gtest/gtest.h>

#include "export/pdf_export.h"
#include "export/svg_export.h"
#include "model/quarrion_canvas.h"
#include "storage/storage_fixtures.h"

namespace {
using Export = TFileResult (*)(TQuarrionCanvas&, const std::string&, const TProgress&);
struct Kind {
  const char* name;
  Export run;
  const char* generating;
  const char* saving;
  const char* magic;
};
const Kind kKinds[] = {
    {"pdf", &ExportPDF, "Generating PDF code ...", "Saving PDF ...", "%PDF-"},
    {"svg", &ExportSVG, "Generating SVG code ...", "Saving SVG ...", "<svg "},
};
}  // namespace

TEST(FileExport, WritesTheFileAndReportsItsLength) {
  for (const Kind& k : kKinds) {
    TempDir dir;
    TQuarrionCanvas canvas;
    std::vector<std::string> status;
    const std::string path = dir.File(std::string("show.") + k.name);
    TFileResult r = k.run(canvas, path, [&](const std::string& s) { status.push_back(s); });
    ASSERT_TRUE(r.Ok()) << k.name << ": " << r.Message;
    std::string file = ReadRaw(path);
    EXPECT_EQ(r.Bytes, static_cast<long long>(file.size())) << k.name;
    EXPECT_NE(file.find(k.magic), std::string::npos) << k.name;
    EXPECT_EQ(status, (std::vector<std::string>{k.generating, k.saving,
                                                std::to_string(file.size()) + " bytes written to " + path}))
        << k.name;
  }
}

TEST(FileExport, AnUnwritableTargetFailsBeforeAnyWork) {
  for (const Kind& k : kKinds) {
    TempDir dir;
    TQuarrionCanvas canvas;
    std::vector<std::string> status;
    int sections = 0;
    canvas.OnWritingSection = [&](TPDFSection, int) { ++sections; };
    TFileResult r = k.run(canvas, dir.File("missing/show.out"),
                          [&](const std::string& s) { status.push_back(s); });
    EXPECT_FALSE(r.Ok()) << k.name;
    EXPECT_EQ(r.Bytes, -1) << k.name;
    EXPECT_NE(r.Message.find("missing"), std::string::npos) << k.name << ": " << r.Message;
    EXPECT_TRUE(status.empty()) << k.name;
    EXPECT_EQ(sections, 0) << k.name;
    EXPECT_TRUE(dir.List().empty()) << k.name;
  }
}
