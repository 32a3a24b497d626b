#pragma once

#include <memory>
#include <string>

#include "cli/json_fields.h"
#include "model/pdf_object.h"

// Every field of every object kind as JSON, and back.
Json ObjectToJson(const TPDFObject& obj);
// Throws JsonInputError naming the member at fault.
std::unique_ptr<TPDFObject> ObjectFromJson(const Json& json, const std::string& path);
