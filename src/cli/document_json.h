#pragma once

#include "cli/json_fields.h"

class TQuarrionCanvas;

// The whole document as JSON: options, document information, pages with their flags,
// texts and objects, and the resource store (name, size and the bytes in base64).
Json DocumentToJson(TQuarrionCanvas& canvas);
// Fills an empty canvas from that JSON. Throws JsonInputError naming the place at fault.
void DocumentFromJson(const Json& json, TQuarrionCanvas& canvas);
