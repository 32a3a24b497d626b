#pragma once

#include <memory>
#include <string>

#include "cli/json_fields.h"
#include "model/pdf_object.h"

class TQuarrionCanvas;

// Where an object stands in the JSON: on a page (its "class" is required), as the
// gradient that fills an object or the background, or as a link attached to an object
// (there "class" may be left out).
enum class ObjectRole { PageObject, Fill, AttachedLink };

// Every field of every object kind as JSON, and back.
Json ObjectToJson(const TPDFObject& obj);

// Members left out take the values of a new object of the kind. Throws JsonInputError
// naming the member at fault, unknown members included. Pictures of images are looked up
// in `canvas`'s resource store (then on disk) when a canvas is given.
std::unique_ptr<TPDFObject> ObjectFromJson(const Json& json, const std::string& path,
                                           TQuarrionCanvas* canvas = nullptr,
                                           ObjectRole role = ObjectRole::PageObject);
