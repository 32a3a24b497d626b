// The PDF slide show: file structure, numbering and placement of the objects.
#include "export/pdf_writer.h"

#include <algorithm>

#include "base/pdf_colour_state.h"
#include "base/number_format.h"
#include "base/pdf_syntax.h"
#include "model/canvas_host.h"
#include "model/clock.h"
#include "objects/gradient.h"
#include "objects/rectangle.h"
#include "text/font_table.h"

namespace {
// Puts the canvas back on the page it showed, however the run ends.
class PageRestorer {
 public:
  explicit PageRestorer(TQuarrionCanvas& canvas) : canvas_(canvas), page_(canvas.Page()) {}
  ~PageRestorer() {
    canvas_.SetPageIndexQuietly(page_);
    canvas_.DeferResourceBodies = false;
    canvas_.PDFState().Clear();
    canvas_.PDFState().ResetText();
  }
  PageRestorer(const PageRestorer&) = delete;
  PageRestorer& operator=(const PageRestorer&) = delete;

 private:
  TQuarrionCanvas& canvas_;
  int page_;
};

constexpr const char* kStyleSuffix[4] = {"", "b", "i", "bi"};

// Page objects and content streams take the numbers 4, 5, 6, ... in slide order.
int PageObjectNumber(int slide) { return 4 + 2 * slide; }

void AppendStreamObject(std::string& out, int number, std::string_view data, bool compressed) {
  AppendInt(out, number);
  out.append(compressed ? " 0 obj <</Filter /FlateDecode /Length " : " 0 obj <</Length ");
  AppendInt(out, static_cast<long long>(data.size()));
  out.append(">> stream\n");
  out.append(data);
  out.append("\nendstream endobj\n\n");
}
}  // namespace

void TPDFWriter::Fire(bool before, TPDFSection section, int code) {
  const auto& handler = before ? canvas_.OnWritingSection : canvas_.OnWriteSection;
  if (handler) handler(section, code);
  if (CanvasHost* host = canvas_.Host()) host->ProcessMessages();
}

void TPDFWriter::GeneratePDF(std::string& output) {
  PageRestorer restorer(canvas_);
  TQuarrionCanvas::THeldPageCounts counts(canvas_);
  output.clear();
  out_ = &output;
  TSplicedOutput spliced(output, xref_, canvas_.ExportThreads);
  spliced_ = &spliced;
  canvas_.DeferResourceBodies = spliced.Parallel();
  // Other threads can compress the first slides while the later pages' resources are
  // still being written.
  early_ = spliced.Parallel() && canvas_.Compressed;
  earlyPieces_.clear();
  slides_ = canvas_.SlideCount();
  Fire(true, TPDFSection::Header, 0);
  PrepareObjects();
  output.reserve(4096 + 1024 * std::size_t(slides_) + 128 * objectCount_);
  WriteHeader();
  Fire(false, TPDFSection::Header, 0);
  Fire(true, TPDFSection::Resources, 0);
  next_ = 2 * slides_ + 4;
  WriteBackground();
  WriteFonts();
  WriteResources();
  WritePageTree();
  WritePages();
  // The outline and the catalogue go in while the last pieces are compressed; only the
  // cross-reference table needs the file whole.
  CollectOutline();
  if (!outline_.Empty() && canvas_.ShowOutlines) {
    outlineRoot_ = next_;
    next_ = outline_.WriteOutlines(next_, canvas_.PageHeight, [this](int n) { Record(n); }, output);
  }
  Fire(true, TPDFSection::XRef, 0);
  WriteCatalogue();
  spliced.Splice();
  const std::size_t xrefOffset = output.size();
  xref_.WriteXref(output);
  output.push_back('\n');
  Fire(false, TPDFSection::XRef, 0);
  Fire(true, TPDFSection::Trailer, 0);
  WriteTrailer(xrefOffset);
  Fire(false, TPDFSection::Trailer, 0);
  out_ = nullptr;
  spliced_ = nullptr;
}

// Objects that derive their links from their layout rebuild them before anything is
// numbered, each with its own page current.
void TPDFWriter::PrepareObjects() {
  auto& pages = canvas_.Pages();
  for (std::size_t p = 0; p < pages.size(); ++p) {
    canvas_.SetPageIndexQuietly(int(p));
    for (auto& object : pages[p].Objects) {
      if (object->Deleted) continue;
      object->PrepareForExport(canvas_);
      ++objectCount_;
    }
  }
}

void TPDFWriter::WriteHeader() {
  std::string& out = *out_;
  // The third line marks the file as binary for transfer programs.
  out.append("%PDF-1.1\n% Quarrion 1.0\n% \xE2\xE3\xCF\xD3\n\n");
  Record(1);
  const TDocumentInfo& info = canvas_.DocumentInfo;
  out.append("1 0 obj <<\n/Creator (Quarrion 1.0) /Producer (Quarrion PDF Generator)\n/CreationDate (D:");
  out.append(CompactDateTime(CurrentClock().Now()));
  out.append(")\n/Title ");
  AppendPDFTextString(out, info.Title);
  out.append("\n/Subject ");
  AppendPDFTextString(out, info.Subject);
  out.append("\n/Author ");
  AppendPDFTextString(out, info.Author);
  out.append("\n>> endobj\n\n");
}

// A gradient background is one shading that every slide paints over its page box. A
// document that claims a gradient but holds none, or one that yields no shading, keeps
// its plain colour instead of referring to an object that does not exist.
void TPDFWriter::WriteBackground() {
  TDocumentInfo& info = canvas_.DocumentInfo;
  if (!info.BackgroundIsGradient || !info.BackgroundGradient) return;
  TPDFGradient& gradient = *info.BackgroundGradient;
  gradient.SetOwner(&canvas_);
  // Placed on the page box here: a document built or loaded without being shown may
  // hold positions from another page size.
  gradient.PlaceGradient(TPDFRectangle(0, 0, canvas_.PageWidth, canvas_.PageHeight));
  resources_.clear();
  gradient.PDFResources(canvas_, next_, resources_);
  if (resources_.empty()) return;
  shadingNumber_ = next_;
  SetNamed("Shading").Numbers.push_back(next_);
  WriteResourceObject(resources_.front());
  ++next_;
}

void TPDFWriter::WriteFonts() {
  const TCustomFontTable& table = FontTable();
  const int families = std::min(int(table.size()), BuiltinFaceCount);
  std::string& out = *out_;
  for (int family = 0; family < families; ++family) {
    Fire(true, TPDFSection::Fonts, family);
    const TPostScriptFontFace& face = table[std::size_t(family)].Face;
    for (int style = 0; style < 4; ++style) {
      const std::string& baseFont = face.Fonts[std::size_t(style)].Name;
      if (baseFont.empty()) continue;
      std::string name = "F";
      AppendInt(name, family);
      name.append(kStyleSuffix[style]);
      Record(next_);
      AppendInt(out, next_);
      out.append(" 0 obj << /Type /Font /Subtype /Type1\n/Name /").append(name);
      out.append(" /BaseFont /").append(baseFont);
      if (!face.Encoding.empty()) out.append(" /Encoding /").append(face.Encoding);
      out.append("\n>> endobj\n\n");
      fonts_.push_back({std::move(name), next_});
      ++next_;
    }
  }
}

// Resources come in runs of one category (a slide's link areas, its shadings), so the
// last set asked for is tried before the index.
TPDFResourceSet& TPDFWriter::SetNamed(const std::string& name) {
  if (lastSet_ < sets_.size() && sets_[lastSet_].Name == name) return sets_[lastSet_];
  auto [it, added] = setIndex_.try_emplace(name, sets_.size());
  if (added) sets_.push_back({name, {}});
  lastSet_ = it->second;
  return sets_[lastSet_];
}

// A slide refers only to resources of its own objects, of its master (an earlier page)
// and of the document, so its content can be made once its page's resources are written.
void TPDFWriter::WriteResources() {
  auto& pages = canvas_.Pages();
  int master = -1;
  for (std::size_t p = 0; p < pages.size(); ++p) {
    canvas_.SetPageIndexQuietly(int(p));
    for (auto& object : pages[p].Objects)
      if (!object->Deleted) WriteObjectResources(*object);
    if (pages[p].IsMaster)
      master = int(p);
    else if (early_)
      StartSlideEarly(int(p), pages[p].UseMaster ? master : -1);
  }
  Fire(false, TPDFSection::Resources, 0);
}

// The slide's content goes to be compressed now; its page object and place in the file
// come with the pages.
void TPDFWriter::StartSlideEarly(int page, int master) {
  BuildContent(page, master);
  const int slide = int(earlyPieces_.size());
  earlyPieces_.push_back(spliced_->Start(CompressedContent(PageObjectNumber(slide) + 1)));
}

// The object learns the number of its first resource before it writes any of them and
// numbers the others on from it.
void TPDFWriter::WriteObjectResources(TPDFObject& object) {
  Fire(true, TPDFSection::Resources, next_);
  resources_.clear();
  object.PDFResources(canvas_, next_, resources_);
  for (TPDFResource& resource : resources_) {
    TPDFResourceSet& set = SetNamed(resource.Category);
    WriteResourceObject(resource);
    if (resource.Listed) set.Numbers.push_back(next_);
    ++next_;
  }
}

// Object `next_`. A body with a slow end (a picture to compress) is finished by whichever
// thread is free, and takes its place in the file later.
void TPDFWriter::WriteResourceObject(TPDFResource& resource) {
  Record(next_);
  if (!resource.Finish) {
    std::string& out = *out_;
    AppendInt(out, next_);
    out.append(" 0 obj\n").append(resource.Body).append("\nendobj\n\n");
    return;
  }
  const std::size_t size = resource.Body.size() + 64;
  spliced_->Defer(
      [number = next_, body = std::move(resource.Body),
       finish = std::move(resource.Finish)](std::string& piece) {
        AppendInt(piece, number);
        piece.append(" 0 obj\n").append(body);
        finish(piece);
        piece.append("\nendobj\n\n");
      },
      size);
}

void TPDFWriter::WritePageTree() {
  std::string& out = *out_;
  Record(3);
  out.append("3 0 obj <<\n/Type /Pages /MediaBox [0 0 ");
  AppendInt(out, canvas_.PageWidth);
  out.push_back(' ');
  AppendInt(out, canvas_.PageHeight);
  out.append("] /Kids [");
  for (int k = 0; k < slides_; ++k) {
    AppendInt(out, PageObjectNumber(k));
    out.append(" 0 R ");
  }
  out.append("] /Count ");
  AppendInt(out, slides_);
  out.append("\n/Resources <</ProcSet [/PDF /Text /ImageB /ImageC]\n/Font <<");
  for (const FontRef& font : fonts_) {
    out.append("/").append(font.Name).push_back(' ');
    AppendInt(out, font.Number);
    out.append(" 0 R ");
  }
  out.append(">>\n");
  for (const TPDFResourceSet& set : sets_) {
    out.append("/").append(set.Name).append(" <<");
    for (int n : set.Numbers) {
      out.append("/").append(set.Name);
      AppendInt(out, n);
      out.push_back(' ');
      AppendInt(out, n);
      out.append(" 0 R ");
    }
    out.append(">>\n");
  }
  out.append(">> >> endobj\n\n");
}

void TPDFWriter::WritePages() {
  const auto& pages = canvas_.Pages();
  int master = -1;
  int slide = 0;
  for (std::size_t p = 0; p < pages.size(); ++p) {
    const int page = int(p);
    Fire(true, TPDFSection::Page, page);
    canvas_.SetPageIndexQuietly(page);
    if (pages[p].IsMaster) {
      master = page;
      continue;
    }
    WriteSlide(page, slide++, pages[p].UseMaster ? master : -1);
    Fire(false, TPDFSection::Page, page);
  }
}

void TPDFWriter::WriteSlide(int page, int slide, int master) {
  std::string& out = *out_;
  const int number = PageObjectNumber(slide);
  Record(number);
  AppendInt(out, number);
  out.append(" 0 obj <</Type /Page /Parent 3 0 R /Contents ");
  AppendInt(out, number + 1);
  out.append(" 0 R\n");
  AppendPageAttributes(canvas_, page, master, out);
  out.append(">> endobj\n");
  if (early_) {
    Record(number + 1);
    spliced_->Place(earlyPieces_.at(std::size_t(slide)));
    return;
  }
  BuildContent(page, master);
  WriteContentStream(number + 1);
}

// The slide's whole content, text objects closed, in content_.
void TPDFWriter::BuildContent(int page, int master) {
  canvas_.PDFState().Clear();
  canvas_.PDFState().ResetText();
  std::string& c = content_;
  c.clear();
  canvas_.AppendPDFState(c, "J", "1");
  canvas_.AppendPDFState(c, "j", "1");
  if (shadingNumber_ == 0) AppendPDFColourState(canvas_.PDFState(), c, "rg", canvas_.DocumentInfo.Background);
  c.append("0 0 ");
  AppendInt(c, canvas_.PageWidth);
  c.push_back(' ');
  AppendInt(c, canvas_.PageHeight);
  if (shadingNumber_ != 0) {
    c.append(" re q /Shading");
    AppendInt(c, shadingNumber_);
    c.append(" sh Q n\n");
  } else {
    c.append(" re F\n");
  }
  auto& pages = canvas_.Pages();
  if (master >= 0)
    for (auto& object : pages[std::size_t(master)].Objects)
      if (!object->Deleted) object->PDFCode(canvas_, c);
  for (auto& object : pages[std::size_t(page)].Objects)
    if (!object->Deleted) object->PDFCode(canvas_, c);
  c.append(canvas_.EndPDFText());
}

TPDFWriter::TPDFWriter(TQuarrionCanvas& canvas) : canvas_(canvas) {}
TPDFWriter::~TPDFWriter() = default;

// The whole content of a slide is compressed in one call, on whichever thread is free;
// the slide's text moves into the job, so nothing is shared. Should zlib fail, the stream
// is written as it is rather than as a damaged one.
void TPDFWriter::WriteContentStream(int number) {
  Record(number);
  if (!canvas_.Compressed) {
    AppendStreamObject(*out_, number, content_, false);
    return;
  }
  const std::size_t size = content_.size();
  spliced_->Defer(CompressedContent(number), size + 64);
}

// Takes the content made last; a new one is begun the size of this one.
TSplicedOutput::TMakePiece TPDFWriter::CompressedContent(int number) {
  const std::size_t size = content_.size();
  TSplicedOutput::TMakePiece make = [content = std::move(content_), number,
                                     &deflate = deflater_](std::string& piece) {
    thread_local std::string packed;
    const bool compressed = deflate(content, packed);
    const std::string_view data = compressed ? std::string_view(packed) : content;
    piece.reserve(data.size() + 64);
    AppendStreamObject(piece, number, data, compressed);
  };
  content_ = std::string();
  content_.reserve(size + size / 4);
  return make;
}

// Outline entries keep the real slide number: entries beyond the 256th slide point at
// their own slide rather than at a wrapped-around one.
void TPDFWriter::CollectOutline() {
  if (!canvas_.ShowOutlines) return;
  const auto& pages = canvas_.Pages();
  const std::string& documentTitle = canvas_.DocumentInfo.Title;
  int masters = 0;
  for (std::size_t p = 0; p < pages.size(); ++p) {
    const int page = int(p);
    Fire(true, TPDFSection::Outline, page);
    const TPage& pg = pages[p];
    if (pg.IsMaster) {
      ++masters;
    } else {
      const int slide = page - masters;
      if (!pg.MajorEntry.empty()) outline_.AddOutlineItem(0, slide, pg.MajorEntry, documentTitle);
      if (!pg.MinorEntry.empty()) outline_.AddOutlineItem(1, slide, pg.MinorEntry, documentTitle);
    }
    Fire(false, TPDFSection::Outline, page);
  }
}

void TPDFWriter::WriteCatalogue() {
  std::string& out = *out_;
  Record(2);
  out.append("2 0 obj <</Type /Catalog /Pages 3 0 R ");
  if (outlineRoot_ != 0) {
    out.append("/Outlines ");
    AppendInt(out, outlineRoot_);
    out.append(" 0 R ");
  }
  if (canvas_.FullScreen)
    out.append("/PageMode /FullScreen ");
  else if (outlineRoot_ != 0)
    out.append("/PageMode /UseOutlines ");
  out.append(">> endobj\n\n");
}

void TPDFWriter::WriteTrailer(std::size_t xrefOffset) {
  std::string& out = *out_;
  out.append("trailer << /Size ");
  AppendInt(out, xref_.HighestNumber() + 1LL);
  out.append("\n/Info 1 0 R /Root 2 0 R >>\nstartxref\n");
  AppendInt(out, static_cast<long long>(xrefOffset));
  out.append("\n%%EOF");
}

void TPDFWriter::AppendPageAttributes(TQuarrionCanvas& canvas, int page, int master,
                                      std::string& out) {
  const auto& pages = canvas.Pages();
  if (page < 0 || page >= int(pages.size())) return;
  bool any = false;
  TPDFSelection numbers;
  auto scan = [&](int p) {
    for (auto& object : pages[std::size_t(p)].Objects) {
      if (object->Deleted) continue;
      numbers.clear();
      object->PDFAnnots(page, numbers);
      for (int n : numbers) {
        if (!any) out.append("/Annots [");
        any = true;
        AppendInt(out, n);
        out.append(" 0 R ");
      }
    }
  };
  scan(page);
  if (master >= 0 && master < int(pages.size())) scan(master);
  if (any) out.append("]\n");
}

void TQuarrionCanvas::GeneratePDF(std::string& output) { TPDFWriter(*this).GeneratePDF(output); }

std::string TQuarrionCanvas::GetPageAttributes(int page) {
  std::string s;
  TPDFWriter::AppendPageAttributes(*this, page, MasterShownBehind(page), s);
  return s;
}
