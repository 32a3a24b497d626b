// Builds the document image in one reserved buffer.
#include <algorithm>

#include "model/byte_writer.h"
#include "base/format_error.h"
#include "model/quarrion_canvas.h"
#include "storage/document_image.h"
#include "storage/lookup_table_manager.h"
#include "storage/object_record.h"

namespace {
constexpr std::size_t kMaxShortText = 0xFFFF;
constexpr std::size_t kMaxBlob = kMaxObjectRecordData;
constexpr std::size_t kMaxResourceName = 0xFF;

void Report(const TProgress& progress, const char* text) {
  if (progress) progress(text);
}

void AppendShortText(std::string& out, const std::string& text, const std::string& what) {
  if (text.size() > kMaxShortText)
    throw SaveRangeError(what + " is " + std::to_string(text.size()) +
                         " bytes long; the file format holds at most 65535");
  out.push_back(char(text.size() & 0xFF));
  out.push_back(char(text.size() >> 8));
  out += text;
}

void AppendUInt24(std::string& out, long long v, const std::string& what) {
  if (v < 0 || v > static_cast<long long>(kMaxBlob))
    throw SaveRangeError(what + " is " + std::to_string(v) +
                         ", which the file format cannot hold (allowed: 0 to 16777215)");
  for (int i = 0; i < 3; ++i) out.push_back(char((v >> (8 * i)) & 0xFF));
}

std::size_t EstimateSize(const TQuarrionCanvas& canvas) {
  std::size_t n = kHeaderSize + 85;
  for (const auto& page : canvas.Pages())
    n += 76 + page.Title.size() + page.MajorEntry.size() + page.MinorEntry.size() +
         page.Objects.size() * 96;
  for (int i = 0; i < canvas.Resources.Count(); ++i)
    n += 4 + canvas.Resources.Entry(i).Name.size() + canvas.Resources.Entry(i).Text.size();
  return n + kResourcesMarker.size();
}

std::string PageName(int p) { return "page " + std::to_string(p + 1); }

void AppendHeader(const TQuarrionCanvas& canvas, std::string& out) {
  const auto& pages = canvas.Pages();
  if (pages.size() > std::size_t(TQuarrionCanvas::MaxPages))
    throw SaveRangeError("the document has " + std::to_string(pages.size()) +
                         " pages; the file format holds at most 255");
  out += kDocumentMagic;
  out.push_back(char(pages.size()));
  out.push_back(char(std::clamp(canvas.Page(), 0, std::max(int(pages.size()) - 1, 0))));
  std::string isMaster(32, '\0'), useMaster(32, '\0');
  for (std::size_t p = 0; p < pages.size(); ++p) {
    if (pages[p].IsMaster) isMaster[p / 8] = char(isMaster[p / 8] | (1 << (p % 8)));
    if (pages[p].UseMaster) useMaster[p / 8] = char(useMaster[p / 8] | (1 << (p % 8)));
  }
  out += isMaster;
  out += useMaster;
}

void AppendPages(const TQuarrionCanvas& canvas, std::string& out) {
  const auto& pages = canvas.Pages();
  for (std::size_t p = 0; p < pages.size(); ++p) {
    std::string name = PageName(int(p));
    AppendShortText(out, pages[p].Title, "the title of " + name);
    AppendShortText(out, pages[p].MajorEntry, "the major outline entry of " + name);
    AppendShortText(out, pages[p].MinorEntry, "the minor outline entry of " + name);
    out.append(6, '\0');
    out.append(64, ' ');
  }
}

void AppendDocumentRecord(TQuarrionCanvas& canvas, std::string& out) {
  TDocumentInfo& info = canvas.DocumentInfo;
  bool gradient = info.BackgroundIsGradient && info.BackgroundGradient;
  AppendShortText(out, info.Title, "the document title");
  AppendShortText(out, info.Subject, "the document subject");
  AppendShortText(out, info.Author, "the document author");
  ByteWriter(out).Colour(info.Background);
  AppendUInt24(out, canvas.PageWidth, "the page width");
  AppendUInt24(out, canvas.PageHeight, "the page height");
  out.append(6, '\0');
  out.push_back(char((canvas.FullScreen ? 1 : 0) | (canvas.ShowOutlines ? 2 : 0) |
                     (canvas.Compressed ? 4 : 0) | (gradient ? 8 : 0)));
  out.append(63, ' ');
  if (gradient)
    canvas.Resources.Add(kBackgroundGradientName, info.BackgroundGradient->SaveToString());
  else
    canvas.Resources.Remove(kBackgroundGradientName);
}

void AppendObjects(TQuarrionCanvas& canvas, const TLookupTableManager& registry, std::string& out) {
  auto& pages = canvas.Pages();
  for (std::size_t p = 0; p < pages.size(); ++p) {
    for (auto& obj : pages[p].Objects) {
      if (obj->Deleted) continue;
      obj->PageIndex = int(p);
      WriteObjectRecord(out, *obj, registry, PageName(int(p)));
    }
  }
}

void AppendResources(const TResourceManager& store, std::string& out) {
  out += kResourcesMarker;
  for (int i = 0; i < store.Count(); ++i) {
    const TResource& e = store.Entry(i);
    if (e.Name.size() > kMaxResourceName)
      throw SaveRangeError("the resource name \"" + e.Name + "\" is " +
                           std::to_string(e.Name.size()) +
                           " bytes long; the file format holds at most 255");
    out.push_back(char(e.Name.size()));
    out += e.Name;
    AppendUInt24(out, static_cast<long long>(e.Text.size()), "the size of resource \"" + e.Name + "\"");
    out += e.Text;
  }
}
}  // namespace

void WriteDocumentImage(TQuarrionCanvas& canvas, const TLookupTableManager& registry,
                        std::string& image, const TProgress& progress) {
  image.reserve(image.size() + EstimateSize(canvas));
  AppendHeader(canvas, image);
  Report(progress, "Creating page information ...");
  AppendPages(canvas, image);
  Report(progress, "Creating document information ...");
  AppendDocumentRecord(canvas, image);
  Report(progress, "Creating object information ...");
  AppendObjects(canvas, registry, image);
  if (!canvas.Resources.Empty()) {
    Report(progress, "Creating resources ...");
    AppendResources(canvas.Resources, image);
  }
}
