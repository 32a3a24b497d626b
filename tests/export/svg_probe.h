#pragma once

#include <memory>
#include <string>
#include <vector>

#include "base/number_format.h"
#include "base/pdf_syntax.h"
#include "model/quarrion_canvas.h"
#include "support/fixed_clock.h"


// A page without outline entries.
inline TPage SvgPage(bool isMaster = false, bool useMaster = true) {
  TPage page;
  page.IsMaster = isMaster;
  page.UseMaster = useMaster;
  return page;
}

// `slides` empty slides, every export option off.
inline void SvgDocument(TQuarrionCanvas& canvas, int slides) {
  canvas.Pages().clear();
  for (int i = 0; i < slides; ++i) canvas.Pages().push_back(SvgPage());
  canvas.SetPageIndexQuietly(0);
  canvas.FullScreen = false;
  canvas.ShowOutlines = false;
}

// Puts `object` on `page` as the work area would, and returns it.
template <class T>
T* SvgPlace(TQuarrionCanvas& canvas, int page, std::unique_ptr<T> object) {
  T* raw = object.get();
  object->PageIndex = page;
  object->SetOwner(&canvas);
  canvas.Pages()[std::size_t(page)].Objects.push_back(std::move(object));
  return raw;
}

// A drawing object for the SVG writer's tests: it writes fixed SVG code, hands out the
// resources it was given and writes down which page the canvas was on at each call.
class SvgProbe : public TPDFObject {
 public:
  explicit SvgProbe(std::string code, TResources resources = {})
      : TPDFObject(0, 0, 10, 10), Code(std::move(code)), Resources(std::move(resources)) {}

  std::uint8_t ClassID() const override { return 251; }
  std::unique_ptr<TPDFObject> CreateBlank() const override { return std::make_unique<SvgProbe>(""); }

  void PrepareForExport(TQuarrionCanvas& canvas) override {
    Log.push_back("prepare@" + IntToStr(canvas.Page()));
  }
  void SVGResources(TQuarrionCanvas& canvas, TResources& resources) override {
    Log.push_back("resources@" + IntToStr(canvas.Page()));
    resources.insert(resources.end(), Resources.begin(), Resources.end());
  }
  void SVGCode(TQuarrionCanvas& canvas, std::string& out) override {
    Log.push_back("code@" + IntToStr(canvas.Page()));
    out.append(Code);
  }

  std::string Code;
  TResources Resources;
  std::vector<std::string> Log;
};

// An object that stands for a picture: one side file and an image element naming it,
// escaped the way the image kind escapes it.
inline std::unique_ptr<SvgProbe> PictureProbe(const std::string& fileName, const std::string& bytes) {
  std::string code = "<image xlink:href=\"" + EscapeText(fileName, true) +
                     "\" x=\"0\" y=\"0\" width=\"10\" height=\"10\"/>\n";
  return std::make_unique<SvgProbe>(code, TResources{{fileName, bytes, fileName}});
}
