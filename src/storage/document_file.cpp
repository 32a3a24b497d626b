#include "storage/document_file.h"

#include <cstdint>
#include <limits>
#include <stdexcept>

#include <sys/stat.h>
#include <unistd.h>

#include "model/canvas_host.h"
#include "model/quarrion_canvas.h"
#include "base/atomic_file_writer.h"
#include "base/file_helpers.h"

namespace {
constexpr std::string_view kEnvelope = "GZIP";
constexpr std::size_t kEnvelopeHeader = 8;

// Each status text is shown at once: the host lets pending messages run after it.
TProgress WithHost(const TProgress& progress, TQuarrionCanvas& canvas) {
  return [&progress, &canvas](const std::string& text) {
    if (progress) progress(text);
    if (canvas.Host()) canvas.Host()->ProcessMessages();
  };
}

// Whether a save to `path` can succeed, asked without touching the file: its folder must
// take new files and an existing target must be a writable regular file.
bool CanWrite(const std::string& path, std::string& error) {
  auto slash = path.find_last_of('/');
  std::string dir = slash == std::string::npos ? "." : slash == 0 ? "/" : path.substr(0, slash);
  if (::access(dir.c_str(), W_OK | X_OK) != 0) {
    error = "cannot write in the folder " + dir;
    return false;
  }
  struct stat st;
  if (::stat(path.c_str(), &st) == 0 && (!S_ISREG(st.st_mode) || ::access(path.c_str(), W_OK) != 0)) {
    error = "cannot write to " + path;
    return false;
  }
  return true;
}

void AppendUInt32(std::string& out, std::uint32_t v) {
  for (int i = 0; i < 4; ++i) out.push_back(char((v >> (8 * i)) & 0xFF));
}
}  // namespace

std::string EncodeDocumentContent(std::string image, const TProgress& progress) {
  if (image.size() > std::numeric_limits<std::uint32_t>::max()) return image;
  std::string compressed = CompressString(image);
  if (compressed.size() + kEnvelopeHeader >= image.size()) return image;
  if (progress) progress("Compressing document ...");
  std::string content;
  content.reserve(kEnvelopeHeader + compressed.size());
  content += kEnvelope;
  AppendUInt32(content, std::uint32_t(image.size()));
  content += compressed;
  return content;
}

std::string DecodeDocumentContent(std::string content, const TProgress& progress) {
  if (content.size() <= kEnvelopeHeader || content.compare(0, kEnvelope.size(), kEnvelope) != 0)
    return content;
  if (progress) progress("Decompressing file ...");
  std::uint32_t length = 0;
  for (int i = 3; i >= 0; --i) length = (length << 8) | std::uint8_t(content[4 + std::size_t(i)]);
  return DecompressString(std::string_view(content).substr(kEnvelopeHeader), length);
}

TDocumentFileResult SaveDocument(TQuarrionCanvas& canvas, const std::string& path,
                                 const TLookupTableManager& registry, const TProgress& progress) {
  TDocumentFileResult result;
  if (!CanWrite(path, result.Error)) return result;
  TProgress status = WithHost(progress, canvas);
  try {
    status("Initiating save ...");
    std::string image;
    WriteDocumentImage(canvas, registry, image, status);
    std::string content = EncodeDocumentContent(std::move(image), status);
    status("Saving document to disk ...");
    ScrambleBytes(content);
    if (!WriteFileAtomically(path, content, &result.Error)) {
      status("Save failed");
      return result;
    }
    result.Bytes = static_cast<long long>(content.size());
    status(std::to_string(result.Bytes) + " bytes written to " + path);
  } catch (const std::exception& e) {
    result.Error = e.what();
    status("Save failed");
  }
  return result;
}

TDocumentFileResult LoadDocumentFromBytes(TQuarrionCanvas& canvas, std::string fileBytes,
                                          const TLookupTableManager& registry,
                                          const std::string& name, const TProgress& progress) {
  TDocumentFileResult result;
  TProgress status = WithHost(progress, canvas);
  try {
    ScrambleBytes(fileBytes);
    std::string image = DecodeDocumentContent(std::move(fileBytes), status);
    status("Parsing file ...");
    TQuarrionCanvas loaded;
    ReadDocumentImage(image, loaded, registry, status);
    canvas.TakeDocumentFrom(loaded);
    result.Bytes = static_cast<long long>(image.size());
    status(name + " opened successfully");
  } catch (const std::exception& e) {
    result.Error = e.what();
    status("Load failed");
  }
  return result;
}

TDocumentFileResult LoadDocument(TQuarrionCanvas& canvas, const std::string& path,
                                 const TLookupTableManager& registry, const TProgress& progress) {
  TProgress status = WithHost(progress, canvas);
  status("Initiating load ...");
  std::string bytes;
  TDocumentFileResult result;
  if (!ReadFileBytes(path, bytes, &result.Error)) {
    status("Load failed");
    return result;
  }
  return LoadDocumentFromBytes(canvas, std::move(bytes), registry, path, progress);
}
