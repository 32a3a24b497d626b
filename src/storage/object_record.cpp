#include "storage/object_record.h"

#include <typeindex>

#include "base/format_error.h"
#include "model/byte_reader.h"
#include "model/pdf_object.h"
#include "storage/lookup_table_manager.h"

namespace {
// The class ID under which `obj` reads back as the same kind, or a SaveRangeError.
std::uint8_t StorableID(const TLookupTableManager& registry, const TPDFObject& obj,
                        const std::string& where) {
  std::uint8_t id = registry.FindID(obj);
  const auto* entry = registry.FindClass(id);
  if (!entry || entry->Type != std::type_index(typeid(obj)))
    throw SaveRangeError("an object of kind " + std::to_string(obj.ClassID()) + " on " + where +
                         " cannot be stored: its class is not registered");
  return id;
}
}  // namespace

void WriteObjectRecord(std::string& out, const TPDFObject& obj,
                       const TLookupTableManager& registry, const std::string& where) {
  out.push_back(char(StorableID(registry, obj, where)));
  // The string is written in place and its length filled in afterwards.
  std::size_t lengthAt = out.size();
  out.append(3, '\0');
  obj.SaveToString(out);
  std::size_t length = out.size() - lengthAt - 3;
  if (length > kMaxObjectRecordData)
    throw SaveRangeError("an object on " + where + " needs " + std::to_string(length) +
                         " bytes; the file format holds at most 16777215");
  for (int i = 0; i < 3; ++i) out[lengthAt + std::size_t(i)] = char((length >> (8 * i)) & 0xFF);
}

TObjectRecord ReadObjectRecord(ByteReader& in) {
  TObjectRecord r;
  r.Offset = in.Position();
  r.ID = in.Byte("class ID");
  auto b = in.Bytes(3, "object length");
  std::uint32_t length = std::uint32_t(std::uint8_t(b[0])) |
                         (std::uint32_t(std::uint8_t(b[1])) << 8) |
                         (std::uint32_t(std::uint8_t(b[2])) << 16);
  r.Data = in.Bytes(length, "object data");
  return r;
}

std::unique_ptr<TPDFObject> CreateRecordObject(const TObjectRecord& record,
                                               const TLookupTableManager& registry,
                                               std::size_t number) {
  std::unique_ptr<TPDFObject> obj;
  try {
    obj = registry.CreateObject(record.ID, record.Data);
  } catch (const FormatError& e) {
    throw FormatError("object " + std::to_string(number + 1) + " (class " +
                          std::to_string(record.ID) + ") is damaged: " + e.what(),
                      record.Offset);
  }
  if (!obj)
    throw FormatError("object " + std::to_string(number + 1) + " has the unregistered class ID " +
                          std::to_string(record.ID),
                      record.Offset);
  return obj;
}
