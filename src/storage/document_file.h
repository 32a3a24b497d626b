#pragma once

#include <string>
#include <string_view>

#include "storage/document_image.h"

class TQuarrionCanvas;
class TLookupTableManager;

// Results carry the file's length after a save, the document image's length after a load.

// Saves the document as a ".qsl" file. The file is replaced atomically: whatever fails,
// the previous file stays as it was. Progress texts go to `progress`, ending with
// "<n> bytes written to <path>" or "Save failed"; a target that cannot be written fails
// at once, without any progress text.
TFileResult SaveDocument(TQuarrionCanvas& canvas, const std::string& path,
                                 const TLookupTableManager& registry,
                                 const TProgress& progress = {});

// Loads a ".qsl" file. The file is parsed into a new document first; only a complete
// load replaces the document in `canvas`, so a failed load changes nothing. Progress
// texts end with "<path> opened successfully" or "Load failed".
TFileResult LoadDocument(TQuarrionCanvas& canvas, const std::string& path,
                                 const TLookupTableManager& registry,
                                 const TProgress& progress = {});

// The same from the bytes of a file already in memory; `name` is used in the final
// progress text.
TFileResult LoadDocumentFromBytes(TQuarrionCanvas& canvas, std::string fileBytes,
                                          const TLookupTableManager& registry,
                                          const std::string& name = {},
                                          const TProgress& progress = {});

// The file content for an image, before the byte substitution: the "GZIP" envelope
// when it makes the file more than 8 bytes smaller, otherwise the image itself.
std::string EncodeDocumentContent(std::string image, const TProgress& progress = {});
// The image held in a file content (after undoing the byte substitution). Throws
// FormatError when the envelope is damaged.
std::string DecodeDocumentContent(std::string content, const TProgress& progress = {});
