#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "base/file_result.h"

class ByteReader;
class TQuarrionCanvas;
class TLookupTableManager;

// The document image: header, page records, document record, object records and the
// resources section, without the compression envelope or the byte substitution.
inline constexpr std::string_view kDocumentMagic{"QSL\x01", 4};
inline constexpr std::string_view kResourcesMarker = "--RESOURCES--";
inline constexpr std::string_view kBackgroundGradientName = "BackgroundGradient.sys";
// Header (70), one empty page record (76) and an empty document record (85).
inline constexpr std::size_t kHeaderSize = 70;

// Appends the image of `canvas` to `image`. Refreshes each object's PageIndex and puts the
// background gradient into the resource store (or takes it out). Throws SaveRangeError for
// anything the format cannot hold, before a byte reaches the disk.
void WriteDocumentImage(TQuarrionCanvas& canvas, const TLookupTableManager& registry,
                        std::string& image, const TProgress& progress);

// Reads an image into `into`, which must be a new canvas. Throws FormatError for damaged
// input: a wrong magic ("Wrong file type"), anything ending early, an unregistered class.
void ReadDocumentImage(std::string_view image, TQuarrionCanvas& into,
                       const TLookupTableManager& registry, const TProgress& progress);
// The same from a reader, which may be reading an image that is still arriving.
void ReadDocumentImage(ByteReader& in, TQuarrionCanvas& into, const TLookupTableManager& registry,
                       const TProgress& progress);
