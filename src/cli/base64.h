#pragma once

#include <optional>
#include <string>
#include <string_view>

// Standard base64 with padding, for binary resources inside the JSON dump.
std::string Base64Encode(std::string_view bytes);
// Nothing when the text is not valid base64.
std::optional<std::string> Base64Decode(std::string_view text);
