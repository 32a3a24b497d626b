#pragma once

#include <string>

#include "model/pdf_object.h"

// One page of the document. A master page is not a slide: its objects appear behind the
// later slides that use a master.
struct TPage {
  bool IsMaster = false;
  bool UseMaster = true;
  TPDFObjects Objects;  // index 0 is drawn first (backmost)
  std::string Title;
  std::string MajorEntry;  // first-level outline entry; empty = none
  std::string MinorEntry;  // second-level outline entry; empty = none
};
