#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <typeindex>
#include <vector>

#include "model/pdf_object.h"

// The saved form of one object: its class ID and its string.
struct TStringRep {
  std::uint8_t ID = 0;
  std::string Data;
};
using TStringReps = std::vector<TStringRep>;

// The class registry: maps one-byte class IDs to the object kinds that can be stored.
class TLookupTableManager {
 public:
  using Factory = std::function<std::unique_ptr<TPDFObject>(int left, int top, int right, int bottom)>;

  struct Entry {
    int ID;
    std::type_index Type;
    Factory Create;
  };

  template <class T>
  void Register() {
    T probe(0, 0, 0, 0);
    table_.push_back({probe.ClassID(), std::type_index(typeid(T)),
                      [](int l, int t, int r, int b) { return std::make_unique<T>(l, t, r, b); }});
  }
  void Register(int id, std::type_index type, Factory create) {
    table_.push_back({id, type, std::move(create)});
  }

  // The entry registered first under `id`, or nothing.
  const Entry* FindClass(std::uint8_t id) const;
  // The ID registered for exactly this object's class, or 255.
  std::uint8_t FindID(const TPDFObject& obj) const;
  // A new object of the class registered under `id`, read from `data`; nothing when no
  // class has that ID. Throws FormatError when the data is damaged.
  std::unique_ptr<TPDFObject> CreateObject(std::uint8_t id, std::string_view data) const;
  TStringRep WriteObject(const TPDFObject& obj) const;

  const std::vector<Entry>& Table() const { return table_; }

 private:
  std::vector<Entry> table_;
};

// Registers every kind the program knows, in the order the file format fixes.
void RegisterBuiltinClasses(TLookupTableManager& registry);
// One registry of those kinds for the whole process, made on first use.
const TLookupTableManager& BuiltinClassRegistry();
