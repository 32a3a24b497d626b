#pragma once

#include <functional>
#include <string>
#include <string_view>

// Compresses one content stream: replaces `out` with the zlib stream of `in`, or returns
// false when compression failed. Called from several threads at once.
using TStreamDeflater = std::function<bool(std::string_view in, std::string& out)>;

// The bytes compress2 gives at level 9. Each thread keeps one zlib stream and resets it
// for the next input: setting up a level 9 stream costs more than a small slide's
// compression.
bool DeflateLevel9(std::string_view in, std::string& out);
