#include <gtest/gtest.h>

#include "export/pdf_writer.h"
#include "export/pdf_test_objects.h"
#include "objects/gradient.h"
#include "support/pdf_tools.h"
#include "support/recording_host.h"

namespace {

class PdfWriterTest : public ::testing::Test {
 protected:
  void SetUp() override { ResetDocument(canvas, 2); }

  std::string Export() {
    std::string pdf = "left over from an earlier run";
    canvas.GeneratePDF(pdf);
    EXPECT_TRUE(CheckXrefOffsets(pdf).empty()) << ::testing::PrintToString(CheckXrefOffsets(pdf));
    return pdf;
  }

  static std::size_t OffsetOf(const std::string& pdf, int number) {
    return pdf.find("\n" + std::to_string(number) + " 0 obj") + 1;
  }

  FixedClockScope clock;
  TQuarrionCanvas canvas;
};

constexpr const char* kWhiteSlide = "1 J\n1 j\n1 1 1 rg\n0 0 432 324 re F\n";

TEST_F(PdfWriterTest, TwoEmptySlidesNumberPagesThenFonts) {
  canvas.DocumentInfo.Title = "Q(1)";
  canvas.DocumentInfo.Author = "A\\B";
  const std::string pdf = Export();

  ASSERT_EQ(pdf.substr(0, 26), "%PDF-1.1\n% Quarrion 1.0\n% ");
  const std::size_t markerEnd = pdf.find('\n', 26);
  ASSERT_EQ(markerEnd, 30u);
  for (std::size_t i = 26; i < markerEnd; ++i) EXPECT_GT(static_cast<unsigned char>(pdf[i]), 127);
  EXPECT_EQ(pdf.substr(30, 2), "\n\n");
  EXPECT_EQ(ObjectText(pdf, 1),
            "1 0 obj <<\n/Creator (Quarrion 1.0) /Producer (Quarrion PDF Generator)\n"
            "/CreationDate (D:20240305140709)\n/Title (Q\\(1\\))\n/Subject ()\n/Author (A\\\\B)\n"
            ">> endobj");
  EXPECT_EQ(ObjectText(pdf, 4), "4 0 obj <</Type /Page /Parent 3 0 R /Contents 5 0 R\n>> endobj");
  EXPECT_EQ(ObjectText(pdf, 6), "6 0 obj <</Type /Page /Parent 3 0 R /Contents 7 0 R\n>> endobj");
  for (int stream : {5, 7}) {
    EXPECT_EQ(StreamOf(pdf, stream), kWhiteSlide);
    EXPECT_NE(ObjectText(pdf, stream).find("<</Length 34>> stream\n"), std::string::npos);
  }
  EXPECT_EQ(ObjectText(pdf, 8),
            "8 0 obj << /Type /Font /Subtype /Type1\n/Name /F0 /BaseFont /Helvetica "
            "/Encoding /WinAnsiEncoding\n>> endobj");
  EXPECT_EQ(ObjectText(pdf, 19),
            "19 0 obj << /Type /Font /Subtype /Type1\n/Name /F2bi /BaseFont /Courier-BoldOblique "
            "/Encoding /WinAnsiEncoding\n>> endobj");
  EXPECT_EQ(ObjectText(pdf, 20),
            "20 0 obj << /Type /Font /Subtype /Type1\n/Name /F3 /BaseFont /Symbol\n>> endobj");
  EXPECT_EQ(ObjectText(pdf, 21),
            "21 0 obj << /Type /Font /Subtype /Type1\n/Name /F4 /BaseFont /ZapfDingbats\n>> endobj");
  EXPECT_EQ(ObjectText(pdf, 3),
            "3 0 obj <<\n/Type /Pages /MediaBox [0 0 432 324] /Kids [4 0 R 6 0 R ] /Count 2\n"
            "/Resources <</ProcSet [/PDF /Text /ImageB /ImageC]\n"
            "/Font <</F0 8 0 R /F0b 9 0 R /F0i 10 0 R /F0bi 11 0 R /F1 12 0 R /F1b 13 0 R "
            "/F1i 14 0 R /F1bi 15 0 R /F2 16 0 R /F2b 17 0 R /F2i 18 0 R /F2bi 19 0 R /F3 20 0 R "
            "/F4 21 0 R >>\n>> >> endobj");
  EXPECT_EQ(ObjectText(pdf, 2), "2 0 obj <</Type /Catalog /Pages 3 0 R >> endobj");

  const std::size_t xref = pdf.find("xref\n0 22\n0000000000 65535 f \n");
  ASSERT_NE(xref, std::string::npos);
  EXPECT_EQ(pdf.substr(xref + 10 + 22 * 20),
            "\ntrailer << /Size 22\n/Info 1 0 R /Root 2 0 R >>\nstartxref\n" +
                std::to_string(xref) + "\n%%EOF");

  // File order: info, fonts, page tree, the slides, catalogue.
  const std::vector<int> order = {1, 8, 21, 3, 4, 5, 6, 7, 2};
  for (std::size_t i = 1; i < order.size(); ++i)
    EXPECT_LT(OffsetOf(pdf, order[i - 1]), OffsetOf(pdf, order[i])) << order[i];
}

TEST_F(PdfWriterTest, PageSizeAndBackgroundColourReachEveryContentStream) {
  struct Case {
    int width, height;
    TColor background;
    const char* mediaBox;
    const char* content;
  } cases[] = {
      {432, 324, 0xFFFFFF, "[0 0 432 324]", kWhiteSlide},
      {600, 400, 0x0080FF, "[0 0 600 400]", "1 J\n1 j\n1 0.502 0 rg\n0 0 600 400 re F\n"},
      {1, 2, 0x000000, "[0 0 1 2]", "1 J\n1 j\n0 0 0 rg\n0 0 1 2 re F\n"},
  };
  for (const Case& c : cases) {
    canvas.PageWidth = c.width;
    canvas.PageHeight = c.height;
    canvas.DocumentInfo.Background = c.background;
    const std::string pdf = Export();
    EXPECT_NE(ObjectText(pdf, 3).find(std::string("/MediaBox ") + c.mediaBox), std::string::npos);
    EXPECT_EQ(StreamOf(pdf, 5), c.content);
    EXPECT_EQ(StreamOf(pdf, 7), c.content);
  }
}

TEST_F(PdfWriterTest, GradientBackgroundIsTheFirstObjectAfterThePages) {
  auto gradient = std::make_unique<TPDFGradient>(0, 0, 432, 324);
  gradient->Start.Colour = 0x0000FF;
  gradient->End.Colour = 0xFF0000;
  TPDFGradient* g = gradient.get();
  canvas.DocumentInfo.BackgroundGradient = std::move(gradient);
  canvas.DocumentInfo.BackgroundIsGradient = true;
  const std::string pdf = Export();

  EXPECT_EQ(g->Owner(), &canvas);
  EXPECT_EQ(g->ShadingNumber, 8);
  EXPECT_EQ(ObjectText(pdf, 8).rfind("8 0 obj\n<</ShadingType 2\n", 0), 0u);
  EXPECT_NE(ObjectText(pdf, 8).find("/C0 [1 0 0] /C1 [0 0 1]"), std::string::npos);
  EXPECT_NE(ObjectText(pdf, 9).find("/Name /F0 "), std::string::npos);
  EXPECT_NE(ObjectText(pdf, 22).find("/Name /F4 "), std::string::npos);
  EXPECT_NE(pdf.find("trailer << /Size 23\n"), std::string::npos);
  EXPECT_NE(ObjectText(pdf, 3).find("/F4 22 0 R >>\n/Shading <</Shading8 8 0 R >>\n>> >> endobj"),
            std::string::npos);
  for (int stream : {5, 7}) EXPECT_EQ(StreamOf(pdf, stream), "1 J\n1 j\n0 0 432 324 re q /Shading8 sh Q n\n");
}

// A background gradient read from a file or built elsewhere may hold positions for
// another page size; the export places it on this document's page.
TEST_F(PdfWriterTest, GradientBackgroundIsPlacedOnThePage) {
  auto gradient = std::make_unique<TPDFGradient>(0, 0, 0, 0);
  gradient->End.X = 1;
  gradient->End.Y = 0.5;
  canvas.DocumentInfo.BackgroundGradient = std::move(gradient);
  canvas.DocumentInfo.BackgroundIsGradient = true;
  canvas.PageWidth = 600;
  canvas.PageHeight = 400;
  EXPECT_NE(ObjectText(Export(), 8).find("/Coords [0 400 600 200]"), std::string::npos);
}

// A document flagged as having a gradient background but holding no gradient used to
// dereference nothing; it is exported with its plain colour.
TEST_F(PdfWriterTest, GradientFlagWithoutGradientFallsBackToTheColour) {
  canvas.DocumentInfo.BackgroundIsGradient = true;
  canvas.DocumentInfo.Background = 0x00FF00;
  const std::string pdf = Export();
  EXPECT_EQ(pdf.find("/Shading"), std::string::npos);
  EXPECT_NE(pdf.find("trailer << /Size 22\n"), std::string::npos);
  EXPECT_EQ(StreamOf(pdf, 5), "1 J\n1 j\n0 1 0 rg\n0 0 432 324 re F\n");
}

TEST_F(PdfWriterTest, EmptyDocumentStillHasAPageTree) {
  ResetDocument(canvas, 0);
  const std::string pdf = Export();
  EXPECT_NE(ObjectText(pdf, 3).find("/Kids [] /Count 0\n"), std::string::npos);
  EXPECT_NE(ObjectText(pdf, 4).find("/Name /F0 "), std::string::npos);
  EXPECT_NE(pdf.find("xref\n0 18\n"), std::string::npos);
}

TEST_F(PdfWriterTest, MasterPagesAreSkippedInNumberingAndDrawnBeneathTheirSlides) {
  canvas.Pages().clear();
  canvas.Pages().push_back(BlankPage());                // 0: slide 0, no master before it
  canvas.Pages().push_back(BlankPage(true));            // 1: master
  canvas.Pages().push_back(BlankPage());                // 2: slide 1 over the master
  canvas.Pages().push_back(BlankPage(false, false));    // 3: slide 2 without its master
  auto probe = [&](int page, const char* code) {
    auto p = std::make_unique<ProbeObject>(10, 10, 20, 20);
    p->WithResources = false;
    p->Code = code;
    return Place(canvas, page, std::move(p));
  };
  ProbeObject* own0 = probe(0, "own0\n");
  ProbeObject* master = probe(1, "master\n");
  probe(1, "deleted master\n")->Deleted = true;
  probe(2, "own1\n");
  probe(2, "deleted own1\n")->Deleted = true;
  probe(3, "own2\n");
  canvas.SetPageIndexQuietly(2);
  const std::string pdf = Export();

  EXPECT_NE(ObjectText(pdf, 3).find("/Kids [4 0 R 6 0 R 8 0 R ] /Count 3\n"), std::string::npos);
  EXPECT_EQ(StreamOf(pdf, 5), std::string(kWhiteSlide) + "own0\n");
  EXPECT_EQ(StreamOf(pdf, 7), std::string(kWhiteSlide) + "master\nown1\n");
  EXPECT_EQ(StreamOf(pdf, 9), std::string(kWhiteSlide) + "own2\n");
  EXPECT_NE(ObjectText(pdf, 10).find("/Name /F0 "), std::string::npos);
  // Objects are prepared, asked for resources on their own page and drawn on the slide's.
  EXPECT_EQ(own0->Log, (std::vector<std::string>{"prepare@0", "resources@0", "annots@0", "code@0"}));
  EXPECT_EQ(master->Log, (std::vector<std::string>{"prepare@1", "resources@1", "annots@2", "code@2"}));
  EXPECT_EQ(canvas.Page(), 2);
}

TEST_F(PdfWriterTest, ResourcesAreNumberedInPageOrderAndListedByCategory) {
  canvas.Pages().insert(canvas.Pages().begin() + 1, BlankPage(true));  // master between the slides
  auto shaded = [&](int page, int left) {
    auto r = std::make_unique<TPDFRectangle>(left, 10, left + 50, 60);
    r->SetGradient(std::make_unique<TPDFGradient>(0, 0, 0, 0));
    return Place(canvas, page, std::move(r));
  };
  TPDFRectangle* first = shaded(0, 10);
  TPDFRectangle* onMaster = shaded(1, 100);
  ProbeObject* link = Place(canvas, 2, std::make_unique<ProbeObject>(5, 5, 50, 50));
  TPDFRectangle* last = shaded(2, 200);
  const std::string pdf = Export();

  // Slides take 4..7, fonts 8..21; then the object resources in page and z order.
  EXPECT_EQ(first->Gradient()->ShadingNumber, 22);
  EXPECT_EQ(onMaster->Gradient()->ShadingNumber, 23);
  EXPECT_EQ(link->FirstNumber, 24);
  EXPECT_EQ(last->Gradient()->ShadingNumber, 26);
  EXPECT_EQ(ObjectText(pdf, 24).rfind("24 0 obj\n<</Type /Annot /Subtype /Link", 0), 0u);
  EXPECT_EQ(ObjectText(pdf, 25).rfind("25 0 obj\n<</Type /XObject", 0), 0u);
  EXPECT_NE(ObjectText(pdf, 3).find("/F4 21 0 R >>\n"
                                    "/Shading <</Shading22 22 0 R /Shading23 23 0 R /Shading26 26 0 R >>\n"
                                    "/Annot <<>>\n/XObject <</XObject25 25 0 R >>\n>> >> endobj"),
            std::string::npos);
  EXPECT_EQ(ObjectText(pdf, 6), "6 0 obj <</Type /Page /Parent 3 0 R /Contents 7 0 R\n/Annots [24 0 R ]\n>> endobj");
  EXPECT_NE(StreamOf(pdf, 7).find("/Shading23 sh"), std::string::npos);
  EXPECT_LT(StreamOf(pdf, 7).find("/Shading23 sh"), StreamOf(pdf, 7).find("/Shading26 sh"));
  EXPECT_EQ(StreamOf(pdf, 5).find("/Shading23"), std::string::npos);
  EXPECT_NE(pdf.find("trailer << /Size 27\n"), std::string::npos);
}

TEST_F(PdfWriterTest, PageAttributesListOwnLinksThenTheMastersLinks) {
  canvas.Pages().clear();
  canvas.Pages().push_back(BlankPage(true));
  canvas.Pages().push_back(BlankPage());
  canvas.Pages().push_back(BlankPage(false, false));
  auto link = [&](int page, int number, bool deleted = false) {
    auto p = std::make_unique<ProbeObject>(0, 0, 1, 1);
    p->FirstNumber = number;
    p->Deleted = deleted;
    return Place(canvas, page, std::move(p));
  };
  canvas.Pages().push_back(BlankPage(false, false));
  link(0, 30);
  link(1, 12);
  link(1, 99, true);
  link(1, 13);
  link(2, 40);
  link(3, 50)->WithResources = false;  // an object without links
  struct Case {
    int page;
    const char* expected;
  } cases[] = {{1, "/Annots [12 0 R 13 0 R 30 0 R ]\n"},
               {2, "/Annots [40 0 R ]\n"},
               {0, "/Annots [30 0 R ]\n"},
               {3, ""},
               {-1, ""},
               {4, ""}};
  for (const Case& c : cases) EXPECT_EQ(canvas.GetPageAttributes(c.page), c.expected) << c.page;
}

TEST_F(PdfWriterTest, CompressedStreamsInflateToThePlainContent) {
  auto r = std::make_unique<TPDFRectangle>(10, 20, 110, 70);
  Place(canvas, 1, std::move(r));
  const std::string plain = Export();
  canvas.Compressed = true;
  const std::string packed = Export();
  for (int stream : {5, 7}) {
    const std::string data = StreamOf(packed, stream);
    ASSERT_GE(data.size(), 2u);
    EXPECT_EQ(static_cast<unsigned char>(data[0]), 0x78);
    EXPECT_EQ(static_cast<unsigned char>(data[1]), 0xDA);  // best compression
    EXPECT_EQ(Inflate(data), StreamOf(plain, stream));
    EXPECT_NE(ObjectText(packed, stream)
                  .find("<</Filter /FlateDecode /Length " + std::to_string(data.size()) + ">> stream\n"),
              std::string::npos);
  }
  EXPECT_EQ(StreamOf(plain, 7), std::string(kWhiteSlide) + "[] 0 d\n0 w\n0 0 0 RG\n10 254 100 50 re B\n");
}

TEST_F(PdfWriterTest, OpenTextObjectIsClosedAtTheEndOfEachSlide) {
  for (int page : {0, 1}) {
    auto p = std::make_unique<ProbeObject>(0, 0, 1, 1);
    p->WithResources = false;
    p->OpensText = true;
    p->Code = "(x) Tj ";
    Place(canvas, page, std::move(p));
  }
  canvas.PDFState().BeginPDFText();  // left open on the canvas before the run
  const std::string pdf = Export();
  // Each slide starts outside a text object and ends every text object it opened.
  for (int stream : {5, 7}) EXPECT_EQ(StreamOf(pdf, stream), std::string(kWhiteSlide) + "BT (x) Tj ET ");
  EXPECT_FALSE(canvas.PDFState().InText());
}

// Whatever the threads and compression, the events come in the file's order: a threaded
// compressed export makes each slide's content early but tells of it in its place.
TEST_F(PdfWriterTest, SectionEventsAndMessagePumpsFollowTheFile) {
  RecordingHost host;
  canvas.SetHost(&host);
  canvas.Pages().insert(canvas.Pages().begin(), BlankPage(true));
  canvas.Pages()[1].MajorEntry = "Intro";
  canvas.ShowOutlines = true;
  Place(canvas, 0, std::make_unique<ProbeObject>(0, 0, 1, 1));
  std::vector<std::string> events;
  canvas.OnWritingSection = [&](TPDFSection s, int code) {
    events.push_back("+" + std::to_string(int(s)) + ":" + std::to_string(code));
  };
  canvas.OnWriteSection = [&](TPDFSection s, int code) {
    events.push_back("-" + std::to_string(int(s)) + ":" + std::to_string(code));
  };
  int pageChanges = 0;
  canvas.OnPageChanged = [&] { ++pageChanges; };
  const std::vector<std::string> expected = {
      "+0:0", "-0:0", "+3:0", "+4:0", "+4:1", "+4:2", "+4:3", "+4:4", "+3:22", "-3:0",
      "+6:0", "+6:1", "-6:1", "+6:2", "-6:2", "+5:0", "-5:0", "+5:1",  "-5:1",  "+5:2",
      "-5:2", "+2:0", "-2:0", "+1:0", "-1:0"};
  for (bool compressed : {false, true})
    for (int threads : {1, 2}) {
      canvas.Compressed = compressed;
      canvas.ExportThreads = threads;
      events.clear();
      host.MessagePumps = 0;
      Export();
      EXPECT_EQ(events, expected) << "compressed " << compressed << ", " << threads << " threads";
      EXPECT_EQ(host.MessagePumps, int(expected.size()));
    }
  EXPECT_EQ(pageChanges, 0);
  canvas.SetHost(nullptr);
}

// An outline without a document title used to write "Slideshow" into the document, so
// the second export of an unchanged document differed from the first.
TEST_F(PdfWriterTest, ExportLeavesTheDocumentTitleAloneAndIsRepeatable) {
  canvas.ShowOutlines = true;
  canvas.Pages()[0].MinorEntry = "only minor";
  const std::string first = Export();
  EXPECT_EQ(canvas.DocumentInfo.Title, "");
  EXPECT_NE(ObjectText(first, 1).find("/Title ()\n"), std::string::npos);
  EXPECT_NE(ObjectText(first, 23).find("/Title (Slideshow)\n"), std::string::npos);
  EXPECT_NE(ObjectText(first, 24).find("/Title (only minor)\n"), std::string::npos);
  EXPECT_EQ(Export(), first);
}

}  // namespace
