#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

class ByteReader;
class TPDFObject;
class TLookupTableManager;

// One stored object as the document file and the stencil file hold it: the class ID byte,
// a 3-byte little-endian length and the object's saved string.
struct TObjectRecord {
  std::uint8_t ID = 0;
  std::string_view Data;  // points into the input; no copy of the object string
  std::size_t Offset = 0; // of the record in the input, for messages
};

inline constexpr std::size_t kMaxObjectRecordData = 0xFFFFFF;

// Appends the record of `obj`. Throws SaveRangeError when its class is not registered as
// itself (it would read back as another kind) or its string is longer than the length
// field holds; `where` names its place in the messages ("page 3").
void WriteObjectRecord(std::string& out, const TPDFObject& obj,
                       const TLookupTableManager& registry, const std::string& where);

// Reads the framing of the next record; FormatError when the input ends inside it.
TObjectRecord ReadObjectRecord(ByteReader& in);

// The object a record describes, built through the registry. Throws FormatError naming
// the record (`number`, counted from 0) when its class is not registered or its string
// is damaged.
std::unique_ptr<TPDFObject> CreateRecordObject(const TObjectRecord& record,
                                               const TLookupTableManager& registry,
                                               std::size_t number);
