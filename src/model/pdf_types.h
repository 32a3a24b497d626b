#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

// Small records that objects hand to the writers and the canvas.

using TPDFSelection = std::vector<int>;      // selected indexes; also lists of object numbers
using TDashPattern = std::vector<std::uint8_t>;  // dash, gap, dash, ... in multiples of the width

// One indirect object an object asks the PDF writer for.
struct TPDFResource {
  std::string Category;  // resource kind in the page resources ("Shading", "XObject", "Annot")
  std::string Body;
  bool Listed = true;  // entered in the resource dictionary under Category
  // Only while the canvas's DeferResourceBodies is set: the slow end of the body (a
  // picture's compressed stream), which the writer appends to Body later, possibly on
  // another thread, so it must own everything it reads.
  std::function<void(std::string& body)> Finish = nullptr;
};
using TPDFResources = std::vector<TPDFResource>;

// A named text an object hands to the SVG writer: a definition, or a side file.
struct TResource {
  std::string Name;
  std::string Text;
  std::string FileName;
};
using TResources = std::vector<TResource>;

// A page reordering: (old, new) slide numbers counted from 1.
struct TSwap {
  int Old = 0;
  int New = 0;
};
using TMultiSwap = std::vector<TSwap>;
