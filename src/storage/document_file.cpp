#include "storage/document_file.h"

#include <cstdint>
#include <limits>
#include <optional>
#include <stdexcept>

#include "model/canvas_host.h"
#include "model/quarrion_canvas.h"
#include "base/atomic_file_writer.h"
#include "base/file_helpers.h"
#include "model/byte_reader.h"
#include "storage/document_image.h"
#include "storage/inflating_image.h"

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

void AppendUInt32(std::string& out, std::uint32_t v) {
  for (int i = 0; i < 4; ++i) out.push_back(char((v >> (8 * i)) & 0xFF));
}

// The image length the envelope announces; nothing for content stored without one.
std::optional<std::uint32_t> EnvelopeLength(std::string_view content) {
  if (content.size() <= kEnvelopeHeader || content.compare(0, kEnvelope.size(), kEnvelope) != 0)
    return std::nullopt;
  std::uint32_t length = 0;
  for (int i = 3; i >= 0; --i) length = (length << 8) | std::uint8_t(content[4 + std::size_t(i)]);
  return length;
}

// Reads the content into `into` and returns the size of its image. A compressed image is
// parsed while a worker inflates it. When both the stream and the image are damaged the
// stream's damage is what is reported, as it would be had the image been read after it.
std::size_t ReadDocumentContent(std::string_view content, TQuarrionCanvas& into,
                                const TLookupTableManager& registry, const TProgress& status) {
  std::optional<std::uint32_t> length = EnvelopeLength(content);
  if (!length) {
    status("Parsing file ...");
    ReadDocumentImage(content, into, registry, status);
    return content.size();
  }
  status("Decompressing file ...");
  TInflatingImage image(content.substr(kEnvelopeHeader), *length);
  status("Parsing file ...");
  try {
    ByteReader in = image.Reader();
    ReadDocumentImage(in, into, registry, status);
  } catch (...) {
    image.Finish();
    throw;
  }
  image.Finish();
  return *length;
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
  std::optional<std::uint32_t> length = EnvelopeLength(content);
  if (!length) return content;
  if (progress) progress("Decompressing file ...");
  return DecompressString(std::string_view(content).substr(kEnvelopeHeader), *length);
}

TFileResult SaveDocument(TQuarrionCanvas& canvas, const std::string& path,
                                 const TLookupTableManager& registry, const TProgress& progress) {
  TFileResult result;
  if (!CanWriteTarget(path, result.Message)) return result;
  TProgress status = WithHost(progress, canvas);
  try {
    status("Initiating save ...");
    std::string image;
    WriteDocumentImage(canvas, registry, image, status);
    std::string content = EncodeDocumentContent(std::move(image), status);
    status("Saving document to disk ...");
    ScrambleBytes(content);
    if (!WriteFileAtomically(path, content, &result.Message)) {
      status("Save failed");
      return result;
    }
    result.Bytes = static_cast<long long>(content.size());
    status(std::to_string(result.Bytes) + " bytes written to " + path);
  } catch (const std::exception& e) {
    result.Message = e.what();
    status("Save failed");
  }
  return result;
}

TFileResult LoadDocumentFromBytes(TQuarrionCanvas& canvas, std::string fileBytes,
                                          const TLookupTableManager& registry,
                                          const std::string& name, const TProgress& progress) {
  TFileResult result;
  TProgress status = WithHost(progress, canvas);
  try {
    ScrambleBytes(fileBytes);
    TQuarrionCanvas loaded;
    std::size_t imageSize = ReadDocumentContent(fileBytes, loaded, registry, status);
    canvas.TakeDocumentFrom(loaded);
    result.Bytes = static_cast<long long>(imageSize);
    status(name + " opened successfully");
  } catch (const std::exception& e) {
    result.Message = e.what();
    status("Load failed");
  }
  return result;
}

TFileResult LoadDocument(TQuarrionCanvas& canvas, const std::string& path,
                                 const TLookupTableManager& registry, const TProgress& progress) {
  TProgress status = WithHost(progress, canvas);
  status("Initiating load ...");
  std::string bytes;
  TFileResult result;
  if (!ReadFileBytes(path, bytes, &result.Message)) {
    status("Load failed");
    return result;
  }
  return LoadDocumentFromBytes(canvas, std::move(bytes), registry, path, progress);
}
