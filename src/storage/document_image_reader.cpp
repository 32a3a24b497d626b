// Parses a document image into a new canvas. Every field is read through ByteReader, so
// damaged input ends in FormatError and never in a read past the end.
#include <algorithm>
#include <optional>
#include <vector>

#include "model/byte_reader.h"
#include "base/format_error.h"
#include "model/quarrion_canvas.h"
#include "objects/gradient.h"
#include "storage/document_image.h"
#include "storage/lookup_table_manager.h"
#include "storage/object_record.h"

namespace {
void Report(const TProgress& progress, const char* text) {
  if (progress) progress(text);
}

std::string_view ShortText(ByteReader& in, const char* field) {
  return in.Bytes(in.Word(field), field);
}

std::uint32_t UInt24(ByteReader& in, const char* field) {
  auto b = in.Bytes(3, field);
  return std::uint32_t(std::uint8_t(b[0])) | (std::uint32_t(std::uint8_t(b[1])) << 8) |
         (std::uint32_t(std::uint8_t(b[2])) << 16);
}

void SkipShortTexts(ByteReader& in, int count) {
  for (int i = 0; i < count; ++i) ShortText(in, "reserved text");
}

bool Bit(std::string_view set, int index) { return (std::uint8_t(set[std::size_t(index / 8)]) >> (index % 8)) & 1; }

int ReadHeader(ByteReader& in, TQuarrionCanvas& into) {
  if (in.Remaining() < kDocumentMagic.size() || in.Bytes(4, "magic") != kDocumentMagic)
    throw FormatError("Wrong file type", 0);
  int count = in.Byte("page count");
  int shown = in.Byte("current page");
  auto isMaster = in.Bytes(32, "master page flags");
  auto useMaster = in.Bytes(32, "use-master flags");
  // Every document has at least one page; the program never writes a file without one.
  if (count == 0) in.Fail("the document has no pages");
  into.SetPageCount(count);
  for (int p = 0; p < count; ++p) {
    into.Pages()[std::size_t(p)].IsMaster = Bit(isMaster, p);
    into.Pages()[std::size_t(p)].UseMaster = Bit(useMaster, p);
  }
  return std::min(shown, count - 1);
}

void ReadPages(ByteReader& in, TQuarrionCanvas& into) {
  for (auto& page : into.Pages()) {
    page.Title = ShortText(in, "page title");
    page.MajorEntry = ShortText(in, "major outline entry");
    page.MinorEntry = ShortText(in, "minor outline entry");
    SkipShortTexts(in, 3);
    in.Skip(64, "page record");
  }
}

void ReadDocumentRecord(ByteReader& in, TQuarrionCanvas& into) {
  TDocumentInfo& info = into.DocumentInfo;
  info.Title = ShortText(in, "document title");
  info.Subject = ShortText(in, "document subject");
  info.Author = ShortText(in, "document author");
  info.Background = in.Colour("background colour");
  into.PageWidth = int(UInt24(in, "page width"));
  into.PageHeight = int(UInt24(in, "page height"));
  SkipShortTexts(in, 3);
  std::uint8_t flags = in.Byte("document flags");
  into.FullScreen = flags & 1;
  into.ShowOutlines = flags & 2;
  into.Compressed = flags & 4;
  in.Skip(63, "document record");
}

// The objects of the records, built and put on their pages as the records are walked: one
// pass over the bytes, each object handled while it is fresh in the cache. Damage in an
// object is kept for later, because damage in the framing of a later record or of the
// resources is what the reader reports first; nothing after the first damaged object is
// built. The canvas is thrown away when anything is damaged.
struct TObjectsRead {
  // Images take their pictures from the resources, which follow the objects: they are on
  // their pages already and take the pictures once the resources are read.
  std::vector<TPDFObject*> Images;
  std::optional<FormatError> Damage;
};

void ReadObject(const TObjectRecord& r, std::size_t number, const TLookupTableManager& registry,
                TQuarrionCanvas& into, TObjectsRead& read) {
  try {
    std::unique_ptr<TPDFObject> obj = CreateRecordObject(r, registry, number);
    if (obj->PageIndex >= into.PageCount()) {
      read.Damage = FormatError("object " + std::to_string(number + 1) + " (class " +
                                    std::to_string(r.ID) + ") is damaged: it names page " +
                                    std::to_string(obj->PageIndex + 1) + " of " +
                                    std::to_string(into.PageCount()),
                                r.Offset);
      return;
    }
    obj->Deleted = false;
    if (obj->IsA(ClassId::Image)) {
      obj->TPDFObject::SetOwner(&into);  // joins without looking for its picture yet
      read.Images.push_back(obj.get());
    }
    into.SetPageIndexQuietly(obj->PageIndex);
    into.Add(std::move(obj));
  } catch (const FormatError& e) {
    read.Damage = e;
  }
}

TObjectsRead ReadObjects(ByteReader& in, TQuarrionCanvas& into, const TLookupTableManager& registry) {
  TObjectsRead read;
  for (std::size_t i = 0; !in.AtEnd() && !in.StartsWith(kResourcesMarker); ++i) {
    const TObjectRecord r = ReadObjectRecord(in);
    if (!read.Damage) ReadObject(r, i, registry, into, read);
  }
  return read;
}

void ReadResources(ByteReader& in, TResourceManager& store) {
  while (!in.AtEnd()) {
    auto name = in.Bytes(in.Byte("resource name length"), "resource name");
    std::uint32_t length = UInt24(in, "resource length");
    store.Add(name, in.Bytes(length, "resource data"));
  }
}

// Each image, in file order, takes its picture now that the resources are there.
void LoadPictures(const TObjectsRead& read, TQuarrionCanvas& into) {
  for (TPDFObject* image : read.Images) image->SetOwner(&into);
}

void ReadBackground(TQuarrionCanvas& into) {
  int index = into.Resources.IndexOf(kBackgroundGradientName);
  TDocumentInfo& info = into.DocumentInfo;
  info.BackgroundIsGradient = index >= 0;
  if (index < 0) return;
  auto gradient = std::make_unique<TPDFGradient>(0, 0, 0, 0);
  try {
    gradient->LoadFromString(into.Resources.Entry(index).Text);
  } catch (const FormatError& e) {
    throw FormatError(std::string("the background gradient is damaged: ") + e.what(), 0);
  }
  gradient->SetOwner(&into);
  info.BackgroundGradient = std::move(gradient);
}
}  // namespace

void ReadDocumentImage(std::string_view image, TQuarrionCanvas& into,
                       const TLookupTableManager& registry, const TProgress& progress) {
  ByteReader in(image);
  ReadDocumentImage(in, into, registry, progress);
}

void ReadDocumentImage(ByteReader& in, TQuarrionCanvas& into, const TLookupTableManager& registry,
                       const TProgress& progress) {
  int shown = ReadHeader(in, into);
  Report(progress, "Loading page information ...");
  ReadPages(in, into);
  Report(progress, "Loading document information ...");
  ReadDocumentRecord(in, into);
  Report(progress, "Loading object information ...");
  TObjectsRead objects = ReadObjects(in, into, registry);
  if (!in.AtEnd()) {
    in.Skip(kResourcesMarker.size(), "resources marker");
    Report(progress, "Loading resources ...");
    ReadResources(in, into.Resources);
  }
  Report(progress, "Building objects ...");
  if (objects.Damage) throw *objects.Damage;
  // Images showing one stored picture decode it once; the pixels are dropped after.
  struct PictureMemory {
    TResourceManager& Store;
    ~PictureMemory() { Store.RememberDecodedPictures(false); }
  } memory{into.Resources};
  into.Resources.RememberDecodedPictures(true);
  LoadPictures(objects, into);
  ReadBackground(into);
  into.SetPageIndexQuietly(shown);
}
