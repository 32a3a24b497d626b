#pragma once

#include <memory>
#include <string>

#include "cli/json_fields.h"
#include "model/pdf_object.h"

// Every field of every object kind as JSON, and back.
Json ObjectToJson(const TPDFObject& obj);
class TQuarrionCanvas;

// Throws JsonInputError naming the member at fault. Pictures of images are looked up in
// `canvas`'s resource store (then on disk) when a canvas is given.
std::unique_ptr<TPDFObject> ObjectFromJson(const Json& json, const std::string& path,
                                           TQuarrionCanvas* canvas = nullptr);
