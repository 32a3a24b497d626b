#pragma once

#include <memory>

#include "model/quarrion_canvas.h"
#include "objects/annot.h"
#include "objects/bezier.h"
#include "objects/gradient.h"
#include "objects/line.h"
#include "objects/rectangle.h"
#include "text/text.h"

inline int SvgSampleBoxX(int slide) { return 40 + 20 * slide; }

// A small show that uses every part of the SVG slide show: four slides and a master page,
// outline entries on two levels, a gradient background and gradient fill, text, lines,
// a jump link on the first slide (to the third) and texts that need escaping.
// Slide k (counted from 0) carries a box at x = SvgSampleBoxX(k), y = 60, so checks can
// tell which slide is shown.
inline void BuildSvgSampleDeck(TQuarrionCanvas& canvas) {
  canvas.Clear();
  canvas.Pages().clear();
  auto page = [&](bool isMaster, bool useMaster, const char* major, const char* minor) {
    TPage p;
    p.IsMaster = isMaster;
    p.UseMaster = useMaster;
    p.Title = "Slide";
    p.MajorEntry = major;
    p.MinorEntry = minor;
    canvas.Pages().push_back(std::move(p));
  };
  page(false, true, "Intro", "");
  page(true, false, "", "");
  page(false, true, "", "Details");
  page(false, true, "End \xE9 & <more>", "");
  page(false, true, "", "Appendix");
  canvas.FullScreen = false;
  canvas.ShowOutlines = true;
  canvas.DocumentInfo.Title = "Quarrion & friends \x80";
  canvas.DocumentInfo.Description = "A sample <deck>";
  canvas.DocumentInfo.Author = "Tester";
  canvas.DocumentInfo.BackgroundIsGradient = true;
  canvas.DocumentInfo.BackgroundGradient = std::make_unique<TPDFGradient>(0, 0, 0, 0);
  canvas.DocumentInfo.BackgroundGradient->Start.Colour = 0xFFF0E0;
  canvas.DocumentInfo.BackgroundGradient->End.Colour = 0xFFFFFF;
  canvas.DocumentInfo.BackgroundGradient->End.Y = 1;

  auto put = [&](int pageIndex, std::unique_ptr<TPDFObject> obj) {
    canvas.SetPageIndexQuietly(pageIndex);
    return canvas.Add(std::move(obj));
  };
  // The master: a band along the top, shown on the slides that use it.
  auto band = std::make_unique<TPDFRectangle>(0, 0, 432, 20);
  band->FillColour = 0x804000;
  band->Outline = false;
  put(1, std::move(band));

  const int slidePages[] = {0, 2, 3, 4};
  for (int k = 0; k < 4; ++k) {
    auto box = std::make_unique<TPDFRectangle>(SvgSampleBoxX(k), 60, SvgSampleBoxX(k) + 160, 160);
    box->FillColour = 0x3030C0;
    if (k == 2) box->SetGradient(std::make_unique<TPDFGradient>(0, 0, 0, 0));
    put(slidePages[k], std::move(box));
    put(slidePages[k], std::make_unique<TPDFText>(TTextFont{}, "Slide number", 40, 200, 300, 240));
  }
  auto line = std::make_unique<TPDFLine>(10, 300, 400, 310);
  line->LineWidth = 2;
  put(2, std::move(line));
  put(3, std::make_unique<TPDFBezier>(10, 250, 400, 290));

  // A jump from the first slide to the third.
  auto link = std::make_unique<TPDFAnnot>(300, 40, 400, 120);
  link->LinkKind = 0;
  link->Destination.Page = 2;
  put(0, std::move(link));
  canvas.SetPageIndexQuietly(0);
}

