#include "cli/cli_document.h"

#include "storage/document_file.h"

TLookupTableManager& CliDocument::ProcessRegistry() {
  static TLookupTableManager registry = [] {
    TLookupTableManager r;
    RegisterBuiltinClasses(r);
    return r;
  }();
  return registry;
}

CliDocument::CliDocument() : registry_(ProcessRegistry()) {}

bool CliDocument::Load(const std::string& path) {
  TFileResult r = LoadDocument(canvas_, path, registry_);
  if (!r.Ok()) error_ = "Load failed: " + (r.Message.empty() ? path : r.Message);
  return r.Ok();
}

bool CliDocument::Save(const std::string& path) {
  TFileResult r = SaveDocument(canvas_, path, registry_);
  if (!r.Ok()) error_ = "Save failed: " + (r.Message.empty() ? path : r.Message);
  return r.Ok();
}
