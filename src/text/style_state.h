#pragma once

#include <cstdint>

// The running measuring style (0 regular, 1 bold, 2 italic, 3 bold italic) after control
// code `code`; codes other than 1 to 4 leave it alone.
inline std::uint8_t NextStyleState(std::uint8_t state, unsigned char code) {
  switch (code) {
    case 1:  // bold on
      return state == 2 ? 3 : 1;
    case 2:  // bold off
      return state == 3 ? 2 : 0;
    case 3:  // italic on
      return state == 1 ? 3 : 2;
    case 4:  // italic off
      return state == 3 ? 1 : 0;
    default:
      return state;
  }
}
