#pragma once

#include <memory>
#include <string>

#include "base/geometry.h"
#include "objects/gradient.h"

// Document-wide texts and the page background.
struct TDocumentInfo {
  std::string Title;
  std::string Subject;
  std::string Description;
  std::string Author;
  TColor Background = 0xFFFFFF;
  bool BackgroundIsGradient = false;
  std::unique_ptr<TPDFGradient> BackgroundGradient;  // used when BackgroundIsGradient

  void Reset() { *this = TDocumentInfo(); }
};
