// Exports made with several threads against the same exports made with one: the files
// must not differ by a byte, and what the threads do wrong must reach the caller.
#include <gtest/gtest.h>

#include <atomic>
#include <stdexcept>
#include <string>

#include "bench_deck.h"
#include "export/pdf_test_objects.h"
#include "export/pdf_writer.h"
#include "objects/image.h"
#include "objects/image_test_pictures.h"
#include "support/pdf_tools.h"

namespace {

constexpr int kSlides = 254;  // the deck's slides; page objects 4, 6, ..., streams 5, 7, ...

int ContentNumber(int slide) { return 5 + 2 * slide; }

class ParallelExport : public ::testing::Test {
 protected:
  void SetUp() override {
    BuildCanvas(MakeBenchDeck(), canvas);
    // Pictures whose bodies zlib shrinks (a ramp) and cannot shrink (noise), beside the
    // deck's JPEGs, which are written as they are.
    canvas.Resources.Add("ramp.png", EncodePNG(MakeBitmap(96, 64, [](int x, int y) {
                           return TColor(x * 2 + (y * 3 << 8));
                         })));
    canvas.Resources.Add("noise.bmp", EncodeBMP(NoiseBitmap(40, 30)));
    for (int page : {2, 60, 200})
      for (const char* name : {"ramp.png", "noise.bmp"}) {
        canvas.SetPageIndexQuietly(page);
        auto* image = static_cast<TPDFImage*>(canvas.Add(std::make_unique<TPDFImage>(10, 10, 106, 74)));
        ASSERT_TRUE(image->LoadImage(name)) << name;
      }
    canvas.SetPageIndexQuietly(0);
  }

  std::string Pdf(bool compressed, int threads, const TStreamDeflater& deflater = DeflateLevel9) {
    canvas.Compressed = compressed;
    canvas.ExportThreads = threads;
    TPDFWriter writer(canvas);
    writer.SetDeflater(deflater);
    std::string pdf;
    writer.GeneratePDF(pdf);
    return pdf;
  }

  FixedClockScope clock;
  TQuarrionCanvas canvas;
};

void ExpectValid(const std::string& pdf, const char* what) {
  const ToolResult check = QpdfCheck(pdf);
  EXPECT_EQ(check.ExitCode, 0) << what << "\n" << check.Output;
  EXPECT_EQ(check.Output.find("WARNING"), std::string::npos) << what << "\n" << check.Output;
  EXPECT_TRUE(CheckXrefOffsets(pdf).empty()) << what;
}

// Every content stream holds the slide's uncompressed content, inflated where it says it
// is compressed; returns how many were.
int ExpectContentOf(const std::string& pdf, const std::string& plain, const char* what) {
  int compressed = 0;
  for (int slide = 0; slide < kSlides; ++slide) {
    const int n = ContentNumber(slide);
    const bool flate = ObjectText(pdf, n).find(" 0 obj <</Filter /FlateDecode /Length ") != std::string::npos;
    compressed += flate;
    const std::string data = StreamOf(pdf, n);
    EXPECT_EQ(flate ? Inflate(data) : data, StreamOf(plain, n)) << what << ", slide " << slide;
  }
  return compressed;
}

TEST_F(ParallelExport, AnyNumberOfThreadsWritesTheSameBytes) {
  ASSERT_TRUE(ToolAvailable("qpdf"));
  for (bool compressed : {false, true}) {
    const std::string serial = Pdf(compressed, 1);
    for (int threads : {2, 7, 0}) {
      const std::string parallel = Pdf(compressed, threads);
      EXPECT_TRUE(parallel == serial) << "compressed " << compressed << ", " << threads
                                      << " threads: " << parallel.size() << " bytes, serial "
                                      << serial.size();
    }
  }
  const std::string plain = Pdf(false, 1);
  const std::string packed = Pdf(true, 7);
  ExpectValid(packed, "compressed, 7 threads");
  EXPECT_EQ(ExpectContentOf(packed, plain, "compressed, 7 threads"), kSlides);
}

// The SVG export draws in order on one thread whatever the setting; a parallel PDF export
// before it leaves nothing behind that would change it.
TEST_F(ParallelExport, SvgIsTheSameWhateverTheThreadsAndAfterAParallelPdf) {
  TResources files;
  std::string serial, parallel;
  canvas.ExportThreads = 1;
  canvas.GenerateSVG(serial, files);
  for (int threads : {2, 7}) {
    Pdf(true, threads);
    EXPECT_EQ(canvas.Page(), 0);
    files.clear();
    canvas.GenerateSVG(parallel, files);
    EXPECT_TRUE(parallel == serial) << threads << " threads";
  }
}

// A stream zlib fails is written uncompressed, wherever it is compressed.
TEST_F(ParallelExport, StreamsThatFailToCompressAreWrittenPlain) {
  ASSERT_TRUE(ToolAvailable("qpdf"));
  const TStreamDeflater oddFails = [](std::string_view in, std::string& out) {
    return in.size() % 2 == 0 && DeflateLevel9(in, out);
  };
  const std::string plain = Pdf(false, 1);
  const std::string serial = Pdf(true, 1, oddFails);
  for (int threads : {2, 7}) {
    const std::string parallel = Pdf(true, threads, oddFails);
    EXPECT_TRUE(parallel == serial) << threads << " threads";
    ExpectValid(parallel, "odd streams fail");
    const int compressed = ExpectContentOf(parallel, plain, "odd streams fail");
    EXPECT_GT(compressed, 0);
    EXPECT_LT(compressed, kSlides);
  }
}

TEST_F(ParallelExport, AnExceptionWhileCompressingReachesTheCaller) {
  const std::string expected = Pdf(true, 1);
  for (int threads : {1, 2, 7}) {
    std::atomic<int> calls{0};
    const TStreamDeflater breaks = [&calls](std::string_view in, std::string& out) {
      if (++calls == 100) throw std::runtime_error("out of memory");
      return DeflateLevel9(in, out);
    };
    canvas.SetPageIndexQuietly(5);
    EXPECT_THROW(Pdf(true, threads, breaks), std::runtime_error) << threads << " threads";
    EXPECT_EQ(canvas.Page(), 5);
    canvas.SetPageIndexQuietly(0);
    EXPECT_TRUE(Pdf(true, threads) == expected) << "the next export, " << threads << " threads";
  }
}

}  // namespace
