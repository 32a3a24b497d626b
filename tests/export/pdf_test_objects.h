#pragma once

#include <memory>
#include <string>
#include <vector>

#include "base/number_format.h"
#include "model/quarrion_canvas.h"
#include "objects/rectangle.h"
#include "support/fixed_clock.h"

// A drawing object that writes down how the writer used it and answers with a link
// annotation (not listed as a resource) and a form XObject (listed), like the real kinds.
class ProbeObject : public TPDFObject {
 public:
  ProbeObject(int left, int top, int right, int bottom) : TPDFObject(left, top, right, bottom) {}

  std::uint8_t ClassID() const override { return 250; }
  std::unique_ptr<TPDFObject> CreateBlank() const override {
    return std::make_unique<ProbeObject>(0, 0, 0, 0);
  }

  void PrepareForExport(TQuarrionCanvas& canvas) override {
    Log.push_back("prepare@" + IntToStr(canvas.Page()));
  }
  void PDFResources(TQuarrionCanvas& canvas, int firstNumber, TPDFResources& resources) override {
    Log.push_back("resources@" + IntToStr(canvas.Page()));
    FirstNumber = firstNumber;
    if (!WithResources) return;
    const int h = canvas.PageHeight;
    std::string rect = IntToStr(Left) + " " + IntToStr(h - Bottom) + " " + IntToStr(Right) + " " +
                       IntToStr(h - Top);
    resources.push_back({"Annot",
                         "<</Type /Annot /Subtype /Link /Rect [" + rect +
                             "] /Border [0 0 0] /Dest [4 0 R /XYZ 0 0 0]>>",
                         false});
    resources.push_back({"XObject",
                         "<</Type /XObject /Subtype /Form /BBox [0 0 10 10] /Length 0>> stream\n"
                         "\nendstream",
                         true});
  }
  void PDFCode(TQuarrionCanvas& canvas, std::string& out) override {
    Log.push_back("code@" + IntToStr(canvas.Page()));
    out.append(OpensText ? canvas.BeginPDFText() : canvas.EndPDFText());
    out.append(Code);
  }
  void PDFAnnots(int page, TPDFSelection& numbers) override {
    Log.push_back("annots@" + IntToStr(page));
    if (WithResources) numbers.push_back(FirstNumber);
  }

  bool WithResources = true;
  bool OpensText = false;
  int FirstNumber = 0;
  std::string Code;
  std::vector<std::string> Log;
};

// A page with no outline entries, as the tests build documents from scratch.
inline TPage BlankPage(bool isMaster = false, bool useMaster = true) {
  TPage page;
  page.IsMaster = isMaster;
  page.UseMaster = useMaster;
  return page;
}

// A canvas holding `slides` empty slides with every export option off.
inline void ResetDocument(TQuarrionCanvas& canvas, int slides) {
  canvas.Pages().clear();
  for (int i = 0; i < slides; ++i) canvas.Pages().push_back(BlankPage());
  canvas.SetPageIndexQuietly(0);
  canvas.FullScreen = false;
  canvas.ShowOutlines = false;
  canvas.Compressed = false;
}

// Places `object` on `page` the way the work area does, and returns it.
template <class T>
T* Place(TQuarrionCanvas& canvas, int page, std::unique_ptr<T> object) {
  T* raw = object.get();
  object->PageIndex = page;
  object->SetOwner(&canvas);
  canvas.Pages()[std::size_t(page)].Objects.push_back(std::move(object));
  return raw;
}
