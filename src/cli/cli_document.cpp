#include "cli/cli_document.h"

#include <istream>
#include <iterator>
#include <ostream>

#include "base/file_helpers.h"
#include "cli/document_json.h"
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

bool CliDocument::LooksLikeJson(const std::string& bytes) {
  std::size_t first = bytes.find_first_not_of(" \t\r\n");
  return first != std::string::npos && bytes[first] == '{';
}

bool CliDocument::ReadInput(const std::string& path, std::istream* stdIn, std::string& bytes) {
  if (path == "-" && stdIn) {
    bytes.assign(std::istreambuf_iterator<char>(*stdIn), std::istreambuf_iterator<char>());
    if (stdIn->bad()) error_ = "could not read standard input";
    return !stdIn->bad();
  }
  std::string reason;
  if (!ReadFileBytes(path, bytes, &reason)) error_ = "could not read " + path + ": " + reason;
  return error_.empty();
}

bool CliDocument::FromJsonBytes(const std::string& path, const std::string& bytes) {
  const std::string name = path == "-" ? "standard input" : path;
  Json json;
  try {
    json = Json::parse(bytes);
  } catch (const Json::parse_error& e) {
    error_ = name + ": not valid JSON at byte " + std::to_string(e.byte) + ": " + e.what();
    return false;
  }
  try {
    DocumentFromJson(json, canvas_);
  } catch (const JsonInputError& e) {
    error_ = name + ": " + e.what();
    return false;
  }
  return true;
}

bool CliDocument::Load(const std::string& path, std::istream* stdIn) {
  std::string bytes;
  if (!ReadInput(path, stdIn, bytes)) {
    error_ = "Load failed: " + error_;
    return false;
  }
  if (LooksLikeJson(bytes)) {
    if (FromJsonBytes(path, bytes)) return true;
    error_ = "Load failed: " + error_;
    return false;
  }
  TFileResult r = LoadDocumentFromBytes(canvas_, std::move(bytes), registry_, path);
  if (!r.Ok()) error_ = "Load failed: " + (r.Message.empty() ? path : r.Message);
  return r.Ok();
}

bool CliDocument::LoadJson(const std::string& path, std::istream* stdIn) {
  std::string bytes;
  if (ReadInput(path, stdIn, bytes)) return FromJsonBytes(path, bytes);
  error_[0] = 'C';  // the message starts the line
  return false;
}

bool CliDocument::Save(const std::string& path, std::ostream* stdOut) {
  if (path != "-" || !stdOut) {
    TFileResult r = SaveDocument(canvas_, path, registry_);
    if (!r.Ok()) error_ = "Save failed: " + (r.Message.empty() ? path : r.Message);
    return r.Ok();
  }
  // The same bytes a save to a file writes.
  std::string content;
  try {
    std::string image;
    WriteDocumentImage(canvas_, registry_, image, {});
    content = EncodeDocumentContent(std::move(image));
  } catch (const std::exception& e) {
    error_ = std::string("Save failed: ") + e.what();
    return false;
  }
  ScrambleBytes(content);
  stdOut->write(content.data(), std::streamsize(content.size()));
  stdOut->flush();
  if (!*stdOut) error_ = "Save failed: could not write to standard output";
  return bool(*stdOut);
}
