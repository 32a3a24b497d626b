#include "cli/sample_deck.h"

#include <filesystem>
#include <memory>

#include "cli/cli_document.h"
#include "cli/slide_images.h"
#include "export/pdf_export.h"
#include "export/svg_export.h"
#include "model/quarrion_canvas.h"
#include "objects/annot.h"
#include "objects/gradient.h"
#include "objects/bezier.h"
#include "objects/image.h"
#include "objects/line.h"
#include "objects/rectangle.h"
#include "text/text.h"
#include "cli/sample_picture.h"

namespace {

constexpr TColor kNavy = 0x5A2D1E;     // RGB(30, 45, 90)
constexpr TColor kSky = 0xF0D8B4;      // RGB(180, 216, 240)
constexpr TColor kAmber = 0x1AA6F5;    // RGB(245, 166, 26)
constexpr TColor kLeaf = 0x3C9E4A;     // RGB(74, 158, 60)
constexpr TColor kWhite = 0xFFFFFF;
constexpr char kPictureName[] = "quarrion-landscape.bmp";

template <class T>
T* Place(TQuarrionCanvas& c, std::unique_ptr<T> obj) {
  return static_cast<T*>(c.Add(std::move(obj)));
}

TPDFRectangle* Box(TQuarrionCanvas& c, int l, int t, int r, int b, TColor fill) {
  auto box = std::make_unique<TPDFRectangle>(l, t, r, b);
  box->FillColour = fill;
  return Place(c, std::move(box));
}

TPDFText* Text(TQuarrionCanvas& c, int l, int t, int r, int b, const std::string& markup,
               int sizePt = 12, std::uint8_t style = 0, int face = 0) {
  TTextFont font;
  font.FontFace = face;
  font.FontSize = sizePt * 1000;
  font.FontStyle = style;
  return Place(c, std::make_unique<TPDFText>(font, markup, l, t, r, b));
}

TPDFAnnot* Link(TQuarrionCanvas& c, int l, int t, int r, int b, int kind, int page,
                const std::string& target = {}) {
  auto link = std::make_unique<TPDFAnnot>(l, t, r, b);
  link->LinkKind = kind;
  link->Destination.Page = page;
  link->Target = target;
  return Place(c, std::move(link));
}

TPDFLine* Line(TQuarrionCanvas& c, int x1, int y1, int x2, int y2, TColor colour, double width,
               TDashPattern dash = {}) {
  auto line = std::make_unique<TPDFLine>(x1, y1, x2, y2);
  line->Colour = colour;
  line->LineWidth = width;
  line->DashPattern = std::move(dash);
  return Place(c, std::move(line));
}

TPDFBezier* Curve(TQuarrionCanvas& c, int x1, int y1, int x2, int y2, int cx1, int cy1, int cx2,
                  int cy2, TColor colour, double width) {
  auto curve = std::make_unique<TPDFBezier>(x1, y1, x2, y2, cx1, cy1, cx2, cy2);
  curve->Colour = colour;
  curve->LineWidth = width;
  return Place(c, std::move(curve));
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

void NewSlide(TQuarrionCanvas& c, int page, const std::string& title, const std::string& major = {}) {
  c.SetPage(page);
  TPage& p = c.Pages()[page];
  p.Title = title;
  p.MajorEntry = major;
  p.MinorEntry = title;
}

// The title bar with the slide's title, a footer rule, the page number and the back and
// forward links that every slide shows.
void MasterPage(TQuarrionCanvas& c) {
  c.SetPage(0);
  TPage& master = c.Pages()[0];
  master.IsMaster = true;
  master.UseMaster = false;
  master.Title = "Master";
  master.MinorEntry.clear();
  auto* bar = Box(c, 0, 0, 432, 44, kNavy);
  bar->Outline = false;
  bar->SetGradient(Gradient(2, kNavy, 0x9A5A2E, 0, 0, 1, 0));
  auto* title = Text(c, 18, 12, 414, 40, "<#title>", 18, TextStyle::Bold);
  title->TextColour = kWhite;
  Line(c, 18, 298, 414, 298, kAmber, 1.5);
  Text(c, 18, 303, 250, 320, "Quarrion sample deck", 9, TextStyle::Italic)->TextColour = 0x606060;
  auto* number = Text(c, 250, 303, 340, 320, "Slide <#page> of 4", 9);
  number->Alignment = TextAlign::Right;
  number->TextColour = 0x606060;
  auto* back = Text(c, 352, 303, 380, 320, "Back", 9);
  back->TextColour = 0xB0502E;
  auto* next = Text(c, 388, 303, 414, 320, "Next", 9);
  next->TextColour = 0xB0502E;
  Link(c, 350, 302, 382, 320, 1, -1);
  Link(c, 386, 302, 416, 320, 1, 1);
}

void WelcomeSlide(TQuarrionCanvas& c) {
  NewSlide(c, 1, "Welcome to Quarrion", "Quarrion");
  Text(c, 24, 60, 250, 130,
       "Compose slides from <b>boxes</b>, <i>lines</i>, curves, pictures and text that "
       "\"just works\": <b><i>bold italic</i></b>, <u>underlined</u> and smart quotes "
       "in \'single\' too.",
       12);
  const char* bullets[] = {
      "Jump to <jump page=3>the shapes slide</jump>",
      "Visit <jump href=\"https://example.com/quarrion\">example.com</jump>",
      "Export a PDF <#endash> or an SVG slide show",
  };
  int top = 140;
  for (const char* b : bullets) {
    auto* t = Text(c, 40, top, 250, top + 18, b, 12);
    t->Bulleted = true;
    top += 24;
  }
  auto picture = std::make_unique<TPDFImage>(270, 70, 390, 150);
  auto* image = Place(c, std::move(picture));
  image->LoadImage(kPictureName);
  // Loading sizes the image to the picture's pixels; show it larger, in proportion.
  image->Left = 270;
  image->Top = 70;
  image->Right = 390;
  image->Bottom = 150;
  auto* caption = Text(c, 262, 220, 408, 236, "A picture kept inside the file", 9, TextStyle::Italic);
  caption->Alignment = TextAlign::Centre;
}

void ShapesSlide(TQuarrionCanvas& c) {
  NewSlide(c, 2, "Boxes, shadows and gradients");
  auto* shadowed = Box(c, 32, 64, 192, 144, kSky);
  shadowed->Shadow = true;
  shadowed->LineWidth = 2;
  auto* axial = Box(c, 224, 64, 400, 144, kWhite);
  axial->SetGradient(Gradient(2, kNavy, kSky, 0, 0, 1, 0));
  auto* radial = Box(c, 32, 168, 192, 280, kWhite);
  radial->SetGradient(Gradient(3, kWhite, kLeaf, 0.5, 0.5, 0.5, 0.5, 0, 0.6));
  radial->Shadow = true;
  auto* dashed = Box(c, 224, 168, 400, 280, kWhite);
  dashed->Fill = false;
  dashed->OutlineColour = kAmber;
  dashed->LineWidth = 3;
  dashed->DashPattern = {3, 2};
  auto* label = Text(c, 232, 200, 392, 250, "This dashed box is a <b>link</b> to the web", 12);
  label->Alignment = TextAlign::Centre;
  Link(c, 224, 168, 400, 280, 2, 0, "example.com/quarrion");
}

void LinesSlide(TQuarrionCanvas& c) {
  NewSlide(c, 3, "Lines and curves");
  const TDashStyle* styles = DashStyles().data();
  int y = 70;
  for (int s = DashStyle::Solid; s <= DashStyle::DashDot; ++s, y += 22) {
    Line(c, 32, y, 200, y, kNavy, 2, styles[s].Pattern);
    Text(c, 210, y - 8, 300, y + 8, styles[s].Name, 10);
  }
  Curve(c, 40, 260, 400, 200, 140, 120, 300, 330, kAmber, 3);
  Curve(c, 300, 80, 400, 160, 420, 60, 280, 180, kLeaf, 2);
}

void LinksSlide(TQuarrionCanvas& c) {
  NewSlide(c, 4, "Links between slides");
  Text(c, 32, 64, 400, 200,
       "Every slide has <b>Back</b> and <b>Next</b> links from its master page.\r\n"
       "Go to the <jump page=1>first slide</jump>, the <jump page=2>boxes</jump> or "
       "<jump page=3>the curves</jump>.\r\n"
       "This slide is slide <#page style=roman> in Roman numerals.",
       12);
  auto* box = Box(c, 32, 210, 200, 260, kSky);
  box->Shadow = true;
  auto* label = Text(c, 40, 226, 192, 246, "Back to the start", 12, TextStyle::Bold);
  label->Alignment = TextAlign::Centre;
  Link(c, 32, 210, 200, 260, 0, 0);
}

}  // namespace

void BuildSampleDeck(TQuarrionCanvas& c) {
  c.DocumentInfo.Title = "Quarrion sample deck";
  c.DocumentInfo.Subject = "What Quarrion does";
  c.DocumentInfo.Author = "Quarrion";
  c.DocumentInfo.Background = kWhite;
  c.Resources.Add(kPictureName, SamplePictureBmp());
  c.SetPageCount(5);
  MasterPage(c);
  WelcomeSlide(c);
  ShapesSlide(c);
  LinesSlide(c);
  LinksSlide(c);
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
  TFileResult pdf = ExportPDF(doc.Canvas(), (dir / "demo.pdf").string());
  if (!pdf.Ok()) {
    if (error) *error = "Could not write demo.pdf: " + pdf.Message;
    return false;
  }
  TFileResult svg = ExportSVG(doc.Canvas(), (dir / "demo.svg").string());
  if (!svg.Ok()) {
    if (error) *error = "Could not write demo.svg: " + svg.Message;
    return false;
  }
  return WriteSlideImages(doc.Canvas(), outDir, DefaultSlideImageWidth, TDrawMode::Show, error);
}
