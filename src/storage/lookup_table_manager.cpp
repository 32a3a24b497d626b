#include "storage/lookup_table_manager.h"

#include "model/byte_reader.h"

const TLookupTableManager::Entry* TLookupTableManager::FindClass(std::uint8_t id) const {
  for (const auto& e : table_)
    if (e.ID == id) return &e;
  return nullptr;
}

std::uint8_t TLookupTableManager::FindID(const TPDFObject& obj) const {
  std::type_index type(typeid(obj));
  for (const auto& e : table_)
    if (e.Type == type) return std::uint8_t(e.ID);
  return 255;
}

std::unique_ptr<TPDFObject> TLookupTableManager::CreateObject(std::uint8_t id,
                                                              std::string_view data) const {
  const Entry* e = FindClass(id);
  if (!e) return nullptr;
  auto obj = e->Create(0, 0, 100, 100);
  ByteReader in(data);
  obj->LoadFromString(in);
  return obj;
}

TStringRep TLookupTableManager::WriteObject(const TPDFObject& obj) const {
  return {FindID(obj), obj.SaveToString()};
}
