// The SVG slide show: file structure only; every object writes its own elements.
#include "export/svg_writer.h"

#include <algorithm>

#include "base/number_format.h"
#include "base/pdf_syntax.h"
#include "export/svg_script.h"
#include "export/svg_side_files.h"
#include "model/canvas_host.h"
#include "model/clock.h"
#include "objects/gradient.h"
#include "objects/rectangle.h"

namespace {
constexpr int kOutlineWidth = 150;
constexpr int kOutlineShift = 151;
constexpr int kNavHeight = 35;

// XML 1.0 has no place for the control bytes other than tab, line feed and carriage
// return, not even as references: one of them in a title would make the whole file
// unreadable, so they are left out. Everything else goes through EscapeText.
void AppendXMLText(std::string& out, std::string_view text) {
  std::size_t start = 0;
  for (std::size_t i = 0; i <= text.size(); ++i) {
    auto c = i < text.size() ? static_cast<unsigned char>(text[i]) : 0;
    bool drop = i < text.size() && c < 32 && c != '\t' && c != '\n' && c != '\r';
    if (i == text.size() || drop) {
      AppendEscaped(out, text.substr(start, i - start), true);
      start = i + 1;
    }
  }
}

// Rewrites the references `href="from"` (and `xlink:href="from"`) in `code` to `to`.
// `from` is matched both as the object wrote the name and in its escaped form.
void RewriteReferences(std::string& code, const std::string& from, const std::string& to) {
  std::string escapedTo;
  AppendXMLText(escapedTo, to);
  // As written, escaped as the writer escapes, and escaped as EscapeText does it.
  std::string forms[3] = {from, {}, EscapeText(from, true)};
  AppendXMLText(forms[1], from);
  for (const std::string& form : forms) {
    std::string needle = "href=\"" + form + "\"";
    std::string replacement = "href=\"" + escapedTo + "\"";
    std::string result;
    std::size_t pos = 0, hit;
    while ((hit = code.find(needle, pos)) != std::string::npos) {
      result.append(code, pos, hit - pos).append(replacement);
      pos = hit + needle.size();
    }
    if (pos == 0) continue;
    result.append(code, pos, std::string::npos);
    code.swap(result);
  }
}
}  // namespace

void TQuarrionCanvas::GenerateSVG(std::string& output, TResources& sideFiles) {
  TSVGWriter(*this).Write(output, sideFiles);
}

void TSVGWriter::Writing(TPDFSection section, int code) {
  if (canvas_.OnWritingSection) canvas_.OnWritingSection(section, code);
  if (canvas_.Host()) canvas_.Host()->ProcessMessages();
}

void TSVGWriter::Written(TPDFSection section, int code) {
  if (canvas_.OnWriteSection) canvas_.OnWriteSection(section, code);
  if (canvas_.Host()) canvas_.Host()->ProcessMessages();
}

void TSVGWriter::Write(std::string& output, TResources& sideFiles) {
  TQuarrionCanvas::THeldPageCounts counts(canvas_);
  const int savedPage = canvas_.Page();
  const bool panes = !canvas_.FullScreen;
  const bool outlines = canvas_.ShowOutlines && panes;
  const int width = canvas_.PageWidth + (outlines ? kOutlineShift : 0);
  const int height = canvas_.PageHeight + (panes ? kNavHeight : 0);
  output.clear();
  output.reserve(8192);
  sideFiles.clear();
  renamed_.clear();

  PrepareObjects();
  WriteHeader(output, width, height, canvas_.SlideCount());
  Writing(TPDFSection::Header, 0);
  WriteInfo(output);
  Written(TPDFSection::Header, 0);
  WriteDefinitions(output, sideFiles);
  if (outlines) output.append("<g transform=\"translate(151,0)\">\n");
  WritePages(output);
  if (panes) WriteNavigationPane(output);
  if (outlines) {
    output.append("</g>\n");
    TPDFOutline outline = BuildOutline();
    if (!outline.Empty()) WriteOutlinePane(output, outline);
  }
  Writing(TPDFSection::Trailer, 0);
  output.append("</svg>\n");
  Written(TPDFSection::Trailer, 0);
  canvas_.SetPageIndexQuietly(savedPage);
}

void TSVGWriter::PrepareObjects() {
  // Text objects rebuild their link areas here, so the links match the text even when
  // the document was never drawn (command-line exports).
  auto& pages = canvas_.Pages();
  for (std::size_t p = 0; p < pages.size(); ++p) {
    canvas_.SetPageIndexQuietly(int(p));
    for (auto& obj : pages[p].Objects)
      if (!obj->Deleted) obj->PrepareForExport(canvas_);
  }
}

void TSVGWriter::WriteHeader(std::string& out, int width, int height, int slides) {
  // Without the two namespace declarations a browser shows the file as unknown XML.
  out.append(
      "<svg xmlns=\"http://www.w3.org/2000/svg\" xmlns:xlink=\"http://www.w3.org/1999/xlink\""
      " width=\"100%\" height=\"100%\" viewBox=\"0 0 ");
  AppendInt(out, width);
  out.push_back(' ');
  AppendInt(out, height);
  out.append("\" xml:space=\"preserve\" onload=\"onInit(evt)\">\n");
  AppendSVGScript(out, slides, canvas_.FullScreen);
  out.append("<title>");
  AppendXMLText(out, canvas_.DocumentInfo.Title);
  out.append("</title>\n<desc>");
  AppendXMLText(out, canvas_.DocumentInfo.Description);
  out.append("</desc>\n");
}

void TSVGWriter::WriteInfo(std::string& out) {
  const TClock& clock = CurrentClock();
  TDateTime now = clock.Now();
  out.append("<info subject=\"");
  AppendXMLText(out, canvas_.DocumentInfo.Subject);
  out.append("\" author=\"");
  AppendXMLText(out, canvas_.DocumentInfo.Author);
  out.append("\">\n <creator product=\"Quarrion\" version=\"1.0\" date=\"");
  AppendXMLText(out, clock.ShortDate(now) + " " + clock.LongTime(now));
  out.append("\"/>\n <producer name=\"Quarrion\"/>\n</info>\n");
}

void TSVGWriter::WriteDefinitions(std::string& out, TResources& sideFiles) {
  Writing(TPDFSection::Resources, 0);
  TSVGSideFiles files(sideFiles);
  for (const std::string& name : reserved_) files.Reserve(name);
  // The objects' definitions are collected first so that the background gradient,
  // written before them, can be kept from taking an id one of them uses.
  std::string definitions;
  std::vector<std::string> ids;
  auto& pages = canvas_.Pages();
  for (std::size_t p = 0; p < pages.size(); ++p) {
    canvas_.SetPageIndexQuietly(int(p));
    auto& objects = pages[p].Objects;
    for (std::size_t i = 0; i < objects.size(); ++i) {
      if (objects[i]->Deleted) continue;
      Writing(TPDFSection::Resources, int(i));
      AddObjectResources(*objects[i], definitions, ids, files);
    }
  }
  out.append("<defs>");
  WriteBackgroundDefinition(out, ids);
  out.append(definitions);
  Written(TPDFSection::Resources, 0);
  out.append("</defs>\n\n");
}

void TSVGWriter::AddObjectResources(TPDFObject& obj, std::string& definitions,
                                    std::vector<std::string>& ids, TSVGSideFiles& sideFiles) {
  TResources resources;
  obj.SVGResources(canvas_, resources);
  for (TResource& r : resources) {
    if (r.FileName.empty()) {
      ids.push_back(r.Name);
      definitions.append(r.Text).push_back('\n');
      continue;
    }
    std::string asked = r.FileName;
    std::string given = sideFiles.Add(std::move(r));
    if (given != asked) renamed_[&obj].emplace_back(std::move(asked), std::move(given));
  }
}

void TSVGWriter::WriteBackgroundDefinition(std::string& out, const std::vector<std::string>& idsTaken) {
  backgroundName_.clear();
  TDocumentInfo& info = canvas_.DocumentInfo;
  if (!info.BackgroundIsGradient || !info.BackgroundGradient) return;
  TPDFGradient& gradient = *info.BackgroundGradient;
  gradient.SetOwner(&canvas_);
  // Placed for the page here: a document exported without ever being drawn (the
  // command line) would otherwise write the positions of whatever box it last had.
  gradient.PlaceGradient(TPDFRectangle(0, 0, canvas_.PageWidth, canvas_.PageHeight));
  TResources resources;
  gradient.SVGResources(canvas_, resources);
  if (resources.empty()) return;
  std::string name = resources.front().Name;
  std::string text = std::move(resources.front().Text);
  // The background keeps the object id 0, which the first object added also gets: two
  // definitions with one id would paint that object with the page's gradient.
  auto taken = [&](const std::string& id) {
    return std::find(idsTaken.begin(), idsTaken.end(), id) != idsTaken.end();
  };
  if (taken(name)) {
    std::string fresh = "GradBackground";
    for (int n = 2; taken(fresh); ++n) fresh = "GradBackground" + IntToStr(n);
    std::string oldId = "id=\"" + name + "\"";
    std::size_t at = text.find(oldId);
    if (at != std::string::npos) text.replace(at, oldId.size(), "id=\"" + fresh + "\"");
    name = fresh;
  }
  out.append(text).push_back('\n');
  backgroundName_ = name;
}

void TSVGWriter::WritePages(std::string& out) {
  auto& pages = canvas_.Pages();
  int slide = 0;
  int master = -1;
  for (std::size_t p = 0; p < pages.size(); ++p) {
    Writing(TPDFSection::Page, int(p));
    canvas_.SetPageIndexQuietly(int(p));
    if (pages[p].IsMaster) {
      master = int(p);
      continue;
    }
    out.append("<g id=\"Page");
    AppendInt(out, slide);
    out.append(slide > 0 ? "\" visibility=\"hidden\">\n" : "\">\n");
    out.append("<rect width=\"");
    AppendInt(out, canvas_.PageWidth);
    out.append("\" height=\"");
    AppendInt(out, canvas_.PageHeight);
    if (!backgroundName_.empty())
      out.append("\" fill=\"url(#").append(backgroundName_).append(")\"/>\n");
    else
      out.append("\" fill=\"").append(SVGColour(canvas_.DocumentInfo.Background)).append("\"/>\n");
    ++slide;
    if (pages[p].UseMaster && master >= 0)
      for (auto& obj : pages[std::size_t(master)].Objects)
        if (!obj->Deleted) AppendObjectCode(*obj, out);
    for (auto& obj : pages[p].Objects)
      if (!obj->Deleted) AppendObjectCode(*obj, out);
    out.append("</g>\n");
    Written(TPDFSection::Page, int(p));
  }
}

void TSVGWriter::AppendObjectCode(TPDFObject& obj, std::string& out) {
  auto renames = renamed_.find(&obj);
  if (renames == renamed_.end()) {
    obj.SVGCode(canvas_, out);
    return;
  }
  std::string code;
  obj.SVGCode(canvas_, code);
  for (const auto& [from, to] : renames->second) RewriteReferences(code, from, to);
  out.append(code);
}

void TSVGWriter::WriteNavigationPane(std::string& out) {
  out.append("<g id=\"NavPane\" fill=\"white\" stroke=\"black\" transform=\"translate(0,");
  AppendInt(out, canvas_.PageHeight);
  out.append(")\" stroke-width=\"2\">\n <rect height=\"35\" width=\"");
  AppendInt(out, canvas_.PageWidth);
  out.append(
      "\" stroke=\"none\"/>\n"
      " <rect x=\"5\" y=\"5\" width=\"24\" height=\"24\" onclick=\"ChangePage(0)\"/>\n"
      " <rect x=\"34\" y=\"5\" width=\"24\" height=\"24\" onclick=\"ChangePage(_p-1)\"/>\n"
      " <rect x=\"63\" y=\"5\" width=\"24\" height=\"24\" fill=\"yellow\"/>\n"
      " <rect x=\"92\" y=\"5\" width=\"24\" height=\"24\" onclick=\"ChangePage(_p+1)\"/>\n"
      " <rect x=\"121\" y=\"5\" width=\"24\" height=\"24\" onclick=\"ChangePage(_np-1)\"/>\n"
      " <line x2=\"");
  AppendInt(out, canvas_.PageWidth);
  out.append(
      "\" stroke-width=\"1\"/>\n"
      " <g pointer-events=\"none\" stroke=\"none\" fill=\"black\">\n"
      "  <text id=\"_pn_\" text-anchor=\"middle\" x=\"75\" y=\"23\" font-size=\"12\">1</text>\n"
      "  <polygon points=\"19 8 19 26 9 17\"/><rect x=\"21\" y=\"8\" width=\"2\" height=\"18\"/>\n"
      "  <polygon points=\"51 8 51 26 41 17\"/>\n"
      "  <polygon points=\"99 8 99 26 109 17\"/>\n"
      "  <polygon points=\"131 8 131 26 141 17\"/><rect x=\"127\" y=\"8\" width=\"2\" height=\"18\"/>\n"
      " </g>\n</g>");
}

// The same list as the PDF bookmarks. Like the PDF writer, the export leaves the
// document's title alone: an untitled document's top entry is called "Slideshow".
TPDFOutline TSVGWriter::BuildOutline() {
  TPDFOutline outline;
  auto& pages = canvas_.Pages();
  const std::string& documentTitle = canvas_.DocumentInfo.Title;
  int masters = 0;
  for (std::size_t p = 0; p < pages.size(); ++p) {
    Writing(TPDFSection::Outline, int(p));
    const TPage& page = pages[p];
    if (page.IsMaster) {
      ++masters;
    } else {
      int slide = int(p) - masters;
      if (!page.MajorEntry.empty()) outline.AddOutlineItem(0, slide, page.MajorEntry, documentTitle);
      if (!page.MinorEntry.empty()) outline.AddOutlineItem(1, slide, page.MinorEntry, documentTitle);
    }
    Written(TPDFSection::Outline, int(p));
  }
  return outline;
}

void TSVGWriter::WriteOutlinePane(std::string& out, const TPDFOutline& outline) {
  const int paneHeight = canvas_.PageHeight + kNavHeight;
  out.append(
      "<g id=\"Outlines\" stroke=\"none\" fill=\"black\" stroke-width=\"2\" "
      "font-family=\"sans-serif\" font-size=\"12px\">\n<rect fill=\"white\" width=\"");
  AppendInt(out, kOutlineWidth);
  out.append("\" height=\"");
  AppendInt(out, paneHeight);
  out.append(
      "\"/>\n<line stroke=\"black\" x1=\"5\" y1=\"24\" x2=\"145\" y2=\"24\"/>\n"
      "<text x=\"5\" y=\"18\" font-weight=\"bold\">Outlines</text>\n");
  double y = 42;
  for (const TOutlineItem& item : outline.Items()) {
    out.append("<text x=\"");
    AppendInt(out, 12LL * item.Level + 5);
    out.append("\" y=\"");
    AppendShortest(out, y);
    // "#" and preventDefault: an empty link would reload the show and lose the slide.
    out.append("\"><a xlink:href=\"#\" onclick=\"evt.preventDefault();ChangePage(");
    AppendInt(out, item.Page);
    out.append(")\">");
    AppendXMLText(out, item.Title);
    out.append("</a></text>\n");
    y += 14.4;
  }
  out.append("<line stroke-width=\"1\" stroke=\"black\" x1=\"150\" y1=\"0\" x2=\"150\" y2=\"");
  AppendInt(out, paneHeight);
  out.append("\"/>\n</g>\n");
}
