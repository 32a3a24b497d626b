#include "cli/sample_deck.h"

#include <filesystem>
#include <memory>

#include "cli/cli_document.h"
#include "cli/slide_images.h"
#include "export/svg_export.h"
#include "model/quarrion_canvas.h"
#include "objects/annot.h"
#include "objects/gradient.h"
#include "objects/rectangle.h"
#include "storage/atomic_file_writer.h"

namespace {

constexpr TColor kNavy = 0x5A2D1E;     // RGB(30, 45, 90)
constexpr TColor kSky = 0xF0D8B4;      // RGB(180, 216, 240)
constexpr TColor kAmber = 0x1AA6F5;    // RGB(245, 166, 26)
constexpr TColor kLeaf = 0x3C9E4A;     // RGB(74, 158, 60)

TPDFRectangle* Box(TQuarrionCanvas& c, int l, int t, int r, int b, TColor fill) {
  auto box = std::make_unique<TPDFRectangle>(l, t, r, b);
  box->FillColour = fill;
  return static_cast<TPDFRectangle*>(c.Add(std::move(box)));
}

TPDFAnnot* Link(TQuarrionCanvas& c, int l, int t, int r, int b, int kind, int page,
                const std::string& target = {}) {
  auto link = std::make_unique<TPDFAnnot>(l, t, r, b);
  link->LinkKind = kind;
  link->Destination.Page = page;
  link->Target = target;
  return static_cast<TPDFAnnot*>(c.Add(std::move(link)));
}

std::unique_ptr<TPDFGradient> Gradient(int type, TColor from, TColor to, double x0, double y0,
                                       double x1, double y1, double r0 = 0, double r1 = 0) {
  auto g = std::make_unique<TPDFGradient>(0, 0, 0, 0);
  g->ShadingType = type;
  g->Start.Colour = from;
  g->End.Colour = to;
  g->Start.X = x0;
  g->Start.Y = y0;
  g->End.X = x1;
  g->End.Y = y1;
  g->Start.Radius = r0;
  g->End.Radius = r1;
  return g;
}

void MasterPage(TQuarrionCanvas& c) {
  TPage& master = c.Pages()[0];
  master.IsMaster = true;
  master.UseMaster = false;
  master.Title = "Master";
  master.MinorEntry.clear();
  auto* bar = Box(c, 0, 0, 432, 40, kNavy);
  bar->Outline = false;
  auto* rule = Box(c, 16, 298, 416, 300, kAmber);
  rule->Outline = false;
  // Back and forward on every slide, from the master page.
  Link(c, 360, 302, 384, 320, 1, -1);
  Link(c, 392, 302, 416, 320, 1, 1);
}

void ShapesSlide(TQuarrionCanvas& c) {
  auto* shadowed = Box(c, 32, 64, 192, 144, kSky);
  shadowed->Shadow = true;
  shadowed->LineWidth = 2;
  auto* axial = Box(c, 224, 64, 400, 144, 0xFFFFFF);
  axial->SetGradient(Gradient(2, kNavy, kSky, 0, 0, 1, 0));
  auto* radial = Box(c, 32, 168, 192, 280, 0xFFFFFF);
  radial->SetGradient(Gradient(3, 0xFFFFFF, kLeaf, 0.5, 0.5, 0.5, 0.5, 0, 0.6));
  radial->Shadow = true;
  auto* dashed = Box(c, 224, 168, 400, 280, 0xFFFFFF);
  dashed->Fill = false;
  dashed->OutlineColour = kAmber;
  dashed->LineWidth = 3;
  dashed->DashPattern = {3, 2};
  Link(c, 224, 168, 400, 280, 2, 0, "example.com/quarrion");
}

}  // namespace

void BuildSampleDeck(TQuarrionCanvas& c) {
  c.DocumentInfo.Title = "Quarrion sample deck";
  c.DocumentInfo.Subject = "What Quarrion does";
  c.DocumentInfo.Author = "Quarrion";
  c.DocumentInfo.Background = 0xFFFFFF;
  c.SetPageCount(3);
  c.SetPage(0);
  MasterPage(c);
  c.SetPage(1);
  c.Pages()[1].Title = "Shapes";
  c.Pages()[1].MajorEntry = "Quarrion";
  c.Pages()[1].MinorEntry = "Shapes and gradients";
  ShapesSlide(c);
  c.SetPage(2);
  c.Pages()[2].Title = "Links";
  c.Pages()[2].MinorEntry = "Links";
  Link(c, 32, 64, 200, 120, 0, 0);
  Box(c, 32, 64, 200, 120, kSky);
  c.SetPage(1);
  c.ClearUndo();
}

bool WriteSampleDeck(const std::string& outDir, std::string* error) {
  std::error_code ec;
  std::filesystem::create_directories(outDir, ec);
  if (ec) {
    if (error) *error = "Could not create " + outDir + ": " + ec.message();
    return false;
  }
  const std::filesystem::path dir(outDir);
  CliDocument doc;
  BuildSampleDeck(doc.Canvas());
  if (!doc.Save((dir / "demo.qsl").string())) {
    if (error) *error = doc.Error();
    return false;
  }
  std::string pdf;
  doc.Canvas().GeneratePDF(pdf);
  std::string why;
  if (!WriteFileAtomically((dir / "demo.pdf").string(), pdf, &why)) {
    if (error) *error = "Could not write demo.pdf: " + why;
    return false;
  }
  if (!WriteSVGExport(doc.Canvas(), (dir / "demo.svg").string(), &why)) {
    if (error) *error = "Could not write demo.svg: " + why;
    return false;
  }
  return WriteSlideImages(doc.Canvas(), outDir, DefaultSlideImageWidth, error);
}
