#include "storage/stencil_file.h"

#include <cerrno>

#include <sys/stat.h>

#include "base/atomic_file_writer.h"
#include "base/file_helpers.h"
#include "base/format_error.h"
#include "model/byte_reader.h"
#include "storage/object_record.h"

namespace {
constexpr std::string_view kStencilMagic{"QST\x01", 4};
constexpr std::string_view kPackageName = "Default Stencils";

std::string Named(const TStencil& s) { return "the stencil \"" + s.Caption + "\""; }

// Everything one byte cannot hold is refused here, before a record is built.
void CheckLimits(const TStencil& s) {
  if (s.Caption.size() > kMaxStencilCaption)
    throw SaveRangeError("the caption of " + Named(s) + " is " + std::to_string(s.Caption.size()) +
                         " bytes long; a stencil caption holds at most 255");
  if (s.Objects.size() > kMaxStencilObjects)
    throw SaveRangeError(Named(s) + " holds " + std::to_string(s.Objects.size()) +
                         " objects; a stencil holds at most 255");
  if (s.Icon < 0 || s.Icon > kMaxStencilIcon)
    throw SaveRangeError("the icon of " + Named(s) + " is " + std::to_string(s.Icon) +
                         "; icons are numbered 0 to 255");
}

TStencil ReadStencil(ByteReader& in, const TLookupTableManager& registry,
                     std::size_t& objectNumber) {
  TStencil s;
  s.Caption = in.Bytes(in.Byte("stencil caption length"), "stencil caption");
  s.Icon = in.Byte("stencil icon");
  int count = in.Byte("stencil object count");
  s.Objects.reserve(std::size_t(count));
  for (int i = 0; i < count; ++i)
    s.Objects.push_back(CreateRecordObject(ReadObjectRecord(in), registry, objectNumber++));
  return s;
}
}  // namespace

std::string WriteStencilImage(const std::vector<TStencil>& stencils,
                              const TLookupTableManager& registry) {
  for (const TStencil& s : stencils)
    if (!s.BuiltIn) CheckLimits(s);
  std::string image;
  image += kStencilMagic;
  image.push_back(char(kPackageName.size()));
  image += kPackageName;
  for (const TStencil& s : stencils) {
    if (s.BuiltIn) continue;
    image.push_back(char(s.Caption.size()));
    image += s.Caption;
    image.push_back(char(s.Icon));
    image.push_back(char(s.Objects.size()));
    for (const auto& obj : s.Objects) WriteObjectRecord(image, *obj, registry, Named(s));
  }
  return image;
}

TFileResult ReadStencilImage(std::string_view image, const TLookupTableManager& registry,
                             std::vector<TStencil>& into) {
  ByteReader in(image);
  if (in.Remaining() < kStencilMagic.size() || in.Bytes(4, "magic") != kStencilMagic)
    return TFileResult::Failed("not a stencil file");
  try {
    in.Skip(in.Byte("package name length"), "package name");
  } catch (const FormatError& e) {
    return TFileResult::Failed(std::string("the stencil file's header is damaged: ") + e.what());
  }
  std::size_t objectNumber = 0;
  std::size_t count = 0;
  try {
    while (!in.AtEnd()) {
      // Built aside and appended only when complete: a damaged stencil is dropped whole.
      TStencil s = ReadStencil(in, registry, objectNumber);
      into.push_back(std::move(s));
      ++count;
    }
  } catch (const FormatError& e) {
    return TFileResult::Failed("stencil " + std::to_string(count + 1) + " of the file is damaged: " +
                               e.what());
  }
  return TFileResult::Succeeded(static_cast<long long>(image.size()));
}

TFileResult SaveStencilFile(const std::string& path, const std::vector<TStencil>& stencils,
                            const TLookupTableManager& registry) {
  std::string content;
  try {
    content = WriteStencilImage(stencils, registry);
  } catch (const SaveRangeError& e) {
    return TFileResult::Failed(e.what());
  }
  ScrambleBytes(content);
  TFileResult result;
  if (!WriteFileAtomically(path, content, &result.Message)) return result;
  result.Bytes = static_cast<long long>(content.size());
  return result;
}

TFileResult LoadStencilFile(const std::string& path, const TLookupTableManager& registry,
                            std::vector<TStencil>& into) {
  struct stat st {};
  if (::stat(path.c_str(), &st) != 0 && errno == ENOENT) return TFileResult::Succeeded(0);
  std::string bytes;
  TFileResult result;
  // An unreadable file is not a missing one: treating it as empty would let the next
  // save replace the user's stencils with none.
  if (!ReadFileBytes(path, bytes, &result.Message)) return result;
  if (bytes.empty()) return TFileResult::Succeeded(0);
  ScrambleBytes(bytes);
  return ReadStencilImage(bytes, registry, into);
}
