#pragma once

#include <string>
#include <vector>

#include "base/geometry.h"

class TQuarrionCanvas;

// The benchmark deck, described once so that Quarrion and the peer draw the same things.
struct TDeckItem {
  enum Kind { Box, Line, Curve, Text, Link, Picture } What = Box;
  int Left = 0, Top = 0, Right = 0, Bottom = 0;
  TColor Fill = 0, Stroke = 0;
  int LineWidth = 1;
  int Gradient = 0;  // 0 none, 2 axial, 3 radial (boxes)
  bool Shadow = false;
  bool Bold = false;
  std::string Markup;  // texts: the markup; pictures: the resource name
  std::string Plain;   // texts: the words without tags, for the peer
  int JumpTo = 0;      // links: the slide, counted from 1
};
struct TDeckPage {
  bool IsMaster = false;
  std::string MajorEntry, MinorEntry;
  std::vector<TDeckItem> Items;
};
struct TDeck {
  std::vector<TDeckPage> Pages;  // the master first, then 255 slides
  std::vector<std::string> PictureNames;
  std::vector<std::string> PictureBytes;  // JPEG files
  std::size_t ObjectCount() const;
};

// 254 slides over a master page (the 255 pages a file holds), about 40 objects a slide: boxes (gradients, shadows),
// lines, curves, texts with markup and links, link areas, and a picture every eighth slide.
TDeck MakeBenchDeck();
// The deck as a Quarrion document.
void BuildCanvas(const TDeck& deck, TQuarrionCanvas& canvas);
