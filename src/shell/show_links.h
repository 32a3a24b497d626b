#pragma once

#include <optional>
#include <string>

class TQuarrionCanvas;

// A link the audience can follow during a slide show.
struct TShowLink {
  enum class TKind { Jump, Web, File };
  TKind Kind = TKind::Jump;
  int Slide = 0;       // Jump: the slide it leads to, counted from 0 without master pages
  std::string Target;  // Web: the address to open; File: the file name (Windows-1252)
};

// The link under the page point (x, y) of page `page` as the audience sees it: the page's
// own links above those of the master page shown behind it, the topmost first, each as the
// PDF resolves it for that page (a relative jump on a master page leads somewhere else from
// each slide that shows it). Nothing when no link is there.
std::optional<TShowLink> ShowLinkAt(const TQuarrionCanvas& document, int page, int x, int y);
