#include "storage/document_file.h"

#include <gtest/gtest.h>

#include <random>

#include "objects/annot.h"
#include "objects/gradient.h"
#include "objects/rectangle.h"
#include "base/file_helpers.h"
#include "storage/storage_fixtures.h"
#include "support/recording_host.h"

namespace {
std::size_t CountOf(const std::string& hay, std::string_view needle) {
  std::size_t n = 0;
  for (auto p = hay.find(needle); p != std::string::npos; p = hay.find(needle, p + 1)) ++n;
  return n;
}
}  // namespace

TEST(DocumentImage, EmptyOnePageDocumentHas231Bytes) {
  TQuarrionCanvas canvas;
  canvas.CurrentPage().Title.clear();
  canvas.CurrentPage().MinorEntry.clear();
  std::string image = ImageOf(canvas);
  ASSERT_EQ(image.size(), 231u);
  std::string expected("QSL\x01\x01\x00", 6);
  expected += std::string(32, '\0');
  expected += std::string("\x01", 1) + std::string(31, '\0');  // page 0 uses a master
  expected += std::string(12, '\0') + std::string(64, ' ');     // the page record
  expected += std::string(6, '\0') + "\xFF\xFF\xFF";            // texts, white
  expected += std::string("\xB0\x01\x00\x44\x01\x00", 6);       // 432 x 324
  expected += std::string(6, '\0') + "\x03" + std::string(63, ' ');
  EXPECT_EQ(image, expected);
  std::string content = EncodeDocumentContent(image);
  EXPECT_EQ(content.substr(0, 8), std::string("GZIP\xE7\x00\x00\x00", 8));
  EXPECT_EQ(DecodeDocumentContent(content), image);
}

TEST(DocumentImage, EnvelopeOnlyWhenItSavesMoreThanEightBytes) {
  std::mt19937 gen(3);
  auto noise = [&](std::size_t n) {
    std::string s(n, '\0');
    for (auto& c : s) c = char(gen());
    return s;
  };
  for (const std::string& image : {noise(9), noise(40), noise(2000), std::string(30, 'a'),
                                   std::string(12, 'a'), std::string(5000, 'z') + noise(100)}) {
    bool pays = CompressString(image).size() + 8 < image.size();
    std::string content = EncodeDocumentContent(image);
    EXPECT_EQ(content != image, pays) << image.size();
    EXPECT_EQ(content.rfind("GZIP", 0) == 0, pays);
    EXPECT_EQ(DecodeDocumentContent(content), image);
  }
}

TEST(DocumentImage, ResourcesSectionOnlyWhenTheStoreHasEntries) {
  TQuarrionCanvas plain;
  EXPECT_EQ(CountOf(ImageOf(plain), "--RESOURCES--"), 0u);
  TQuarrionCanvas withGradient;
  withGradient.DocumentInfo.BackgroundIsGradient = true;
  withGradient.DocumentInfo.BackgroundGradient = std::make_unique<TPDFGradient>(0, 0, 0, 0);
  std::string image = ImageOf(withGradient);
  EXPECT_EQ(CountOf(image, "--RESOURCES--"), 1u);
  EXPECT_EQ(withGradient.Resources.IndexOf("BackgroundGradient.sys"), 0);
  EXPECT_EQ(image.back(), '\0');  // the gradient's trailing reserved bytes end the image
  // Back to a plain colour: the entry goes and so does the section.
  withGradient.DocumentInfo.BackgroundIsGradient = false;
  EXPECT_EQ(CountOf(ImageOf(withGradient), "--RESOURCES--"), 0u);
  EXPECT_TRUE(withGradient.Resources.Empty());
}

TEST(DocumentFile, RichDocumentReloadsToTheSameBytes) {
  TQuarrionCanvas canvas;
  BuildRichDocument(canvas);
  std::string image = ImageOf(canvas);
  TQuarrionCanvas loaded;
  EXPECT_EQ(ReloadedImage(canvas, loaded), image);

  ASSERT_EQ(loaded.PageCount(), canvas.PageCount());
  EXPECT_EQ(loaded.Page(), 2);
  for (int p = 0; p < canvas.PageCount(); ++p) {
    const TPage& a = canvas.Pages()[p];
    const TPage& b = loaded.Pages()[p];
    EXPECT_EQ(b.IsMaster, a.IsMaster);
    EXPECT_EQ(b.UseMaster, a.UseMaster);
    EXPECT_EQ(b.Title, a.Title);
    EXPECT_EQ(b.MajorEntry, a.MajorEntry);
    EXPECT_EQ(b.MinorEntry, a.MinorEntry);
    // Same kinds in the same back-to-front order, the deleted one left out.
    std::vector<int> kindsA, kindsB;
    for (auto& o : a.Objects)
      if (!o->Deleted) kindsA.push_back(o->ClassID());
    for (auto& o : b.Objects) kindsB.push_back(o->ClassID());
    EXPECT_EQ(kindsB, kindsA) << "page " << p;
    for (auto& o : b.Objects) {
      EXPECT_EQ(o->PageIndex, p);
      EXPECT_EQ(o->Owner(), &loaded);
    }
  }
  EXPECT_EQ(loaded.PageWidth, 800);
  EXPECT_EQ(loaded.PageHeight, 600);
  EXPECT_FALSE(loaded.FullScreen);
  EXPECT_TRUE(loaded.ShowOutlines);
  EXPECT_TRUE(loaded.Compressed);
  EXPECT_EQ(loaded.DocumentInfo.Author, "Tester");
  ASSERT_TRUE(loaded.DocumentInfo.BackgroundIsGradient);
  EXPECT_EQ(loaded.DocumentInfo.BackgroundGradient->SaveToString(),
            canvas.DocumentInfo.BackgroundGradient->SaveToString());
  EXPECT_EQ(loaded.Resources.GetData("C:\\two.bmp"), std::string("\0BM\r\n", 5));
  auto* rect = dynamic_cast<TPDFRectangle*>(loaded.Pages()[1].Objects.back().get());
  ASSERT_NE(rect, nullptr);
  EXPECT_EQ(rect->ShadowX, -5);
  ASSERT_EQ(rect->Annots().size(), 1u);
  EXPECT_EQ(rect->Annots()[0]->Target, "https://example.org/");
  EXPECT_EQ(rect->Annots()[0]->Owner(), &loaded);
  ASSERT_NE(rect->Gradient(), nullptr);
  EXPECT_EQ(rect->Gradient()->Owner(), &loaded);
}

TEST(DocumentFile, EveryRegisteredClassRoundTrips) {
  for (const auto& entry : BuiltinRegistry().Table()) {
    TQuarrionCanvas canvas;
    BuildSingleObjectDocument(canvas, entry);
    std::string before = canvas.Pages()[0].Objects[0]->SaveToString();
    TQuarrionCanvas loaded;
    EXPECT_EQ(ReloadedImage(canvas, loaded), ImageOf(canvas)) << "class " << entry.ID;
    ASSERT_EQ(loaded.Pages()[0].Objects.size(), 1u);
    const TPDFObject& obj = *loaded.Pages()[0].Objects[0];
    EXPECT_EQ(obj.ClassID(), entry.ID);
    EXPECT_EQ(std::type_index(typeid(obj)), entry.Type);
    EXPECT_EQ(obj.SaveToString(), before) << "class " << entry.ID;
  }
}

TEST(DocumentFile, ReservedTextsWrittenByAnotherWriterAreSkipped) {
  TQuarrionCanvas canvas;
  canvas.CurrentPage().Title = "T";
  canvas.CurrentPage().MajorEntry = "Maj";
  canvas.CurrentPage().MinorEntry = "Min";
  canvas.DocumentInfo.Title = "Doc";
  canvas.Add(std::make_unique<TPDFRectangle>(5, 6, 7, 8));
  std::string image = ImageOf(canvas);
  const std::string reserved("\x02\x00hi\x00\x00\x05\x00world", 13);
  std::size_t pageReserved = 70 + 3 + 5 + 5;       // after the three page texts
  std::size_t docReserved = 70 + 83 + 9 + 9;  // after doc texts, colour and size
  image.replace(docReserved + 6, 0, reserved);
  image.erase(docReserved, 6);
  image.replace(pageReserved + 6, 0, reserved);
  image.erase(pageReserved, 6);
  TQuarrionCanvas loaded;
  std::string content = image;
  ScrambleBytes(content);
  auto r = LoadDocumentFromBytes(loaded, content, BuiltinRegistry());
  ASSERT_TRUE(r.Ok()) << r.Message;
  EXPECT_EQ(r.Bytes, static_cast<long long>(image.size()));
  EXPECT_EQ(loaded.CurrentPage().MinorEntry, "Min");
  EXPECT_EQ(loaded.DocumentInfo.Title, "Doc");
  EXPECT_EQ(loaded.PageHeight, 324);
  EXPECT_TRUE(loaded.FullScreen);
  ASSERT_EQ(loaded.CurrentPage().Objects.size(), 1u);
  EXPECT_EQ(loaded.CurrentPage().Objects[0]->Right, 7);
}

TEST(DocumentFile, SaveAndLoadReportTheirStepsInOrder) {
  TempDir dir;
  std::string path = dir.File("deck.qsl");
  TQuarrionCanvas canvas;
  BuildRichDocument(canvas);
  std::vector<std::string> saveLog, loadLog;
  auto save = SaveDocument(canvas, path, BuiltinRegistry(),
                           [&](const std::string& s) { saveLog.push_back(s); });
  ASSERT_TRUE(save.Ok()) << save.Message;
  EXPECT_EQ(save.Bytes, static_cast<long long>(ReadRaw(path).size()));
  EXPECT_EQ(saveLog, (std::vector<std::string>{
                         "Initiating save ...", "Creating page information ...",
                         "Creating document information ...", "Creating object information ...",
                         "Creating resources ...", "Compressing document ...",
                         "Saving document to disk ...",
                         std::to_string(save.Bytes) + " bytes written to " + path}));
  RecordingHost host;
  TQuarrionCanvas target(&host);
  auto load = LoadDocument(target, path, BuiltinRegistry(),
                           [&](const std::string& s) { loadLog.push_back(s); });
  ASSERT_TRUE(load.Ok()) << load.Message;
  EXPECT_EQ(load.Bytes, static_cast<long long>(ImageOf(canvas).size()));
  EXPECT_EQ(loadLog, (std::vector<std::string>{
                         "Initiating load ...", "Decompressing file ...", "Parsing file ...",
                         "Loading page information ...", "Loading document information ...",
                         "Loading object information ...", "Loading resources ...",
                         "Building objects ...", path + " opened successfully"}));
  EXPECT_GE(host.MessagePumps, int(loadLog.size())) << "each text is shown at once";
  EXPECT_EQ(dir.List(), std::vector<std::string>{"deck.qsl"});
}

TEST(DocumentFile, TheLargestDocumentSavesAndLoadsAndTakesNoFurtherPage) {
  TempDir dir;
  std::string path = dir.File("deck.qsl");
  TQuarrionCanvas canvas;
  for (int p = 1; p < 300; ++p) canvas.AddPage(canvas.PageCount(), true, false);
  ASSERT_EQ(canvas.PageCount(), 255);
  canvas.Pages()[254].Title = "Last";
  canvas.Pages()[254].IsMaster = true;
  canvas.SetPageIndexQuietly(254);
  canvas.Add(std::make_unique<TPDFRectangle>(1, 2, 3, 4));
  ASSERT_TRUE(SaveDocument(canvas, path, BuiltinRegistry()).Ok());
  // The header holds the count and the shown page in one byte each, and the flag sets
  // reach the last page.
  std::string image = DecodeDocumentContent([&] {
    std::string f = ReadRaw(path);
    ScrambleBytes(f);
    return f;
  }());
  EXPECT_EQ(std::uint8_t(image[4]), 255);
  EXPECT_EQ(std::uint8_t(image[5]), 254);
  EXPECT_EQ(std::uint8_t(image[6 + 254 / 8]), 1 << (254 % 8));

  TQuarrionCanvas loaded;
  auto r = LoadDocument(loaded, path, BuiltinRegistry());
  ASSERT_TRUE(r.Ok()) << r.Message;
  EXPECT_EQ(loaded.PageCount(), 255);
  EXPECT_EQ(loaded.Page(), 254);
  EXPECT_EQ(loaded.CurrentPage().Title, "Last");
  EXPECT_TRUE(loaded.CurrentPage().IsMaster);
  EXPECT_EQ(loaded.CurrentPage().Objects.size(), 1u);
  EXPECT_FALSE(loaded.AddPage(0, true, false));
  EXPECT_EQ(loaded.PageCount(), 255);
  EXPECT_EQ(ImageOf(loaded), image);
}
