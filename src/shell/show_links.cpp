#include "shell/show_links.h"

#include <algorithm>

#include "model/quarrion_canvas.h"
#include "objects/annot.h"

namespace {
constexpr int kJumpAbsolute = 0;
constexpr int kJumpRelative = 1;
constexpr int kInternetLink = 2;

bool Contains(const TPDFAnnot& link, int x, int y) {
  return x >= std::min(link.Left, link.Right) && x <= std::max(link.Left, link.Right) &&
         y >= std::min(link.Top, link.Bottom) && y <= std::max(link.Top, link.Bottom);
}

TShowLink Follow(const TQuarrionCanvas& document, const TPDFAnnot& link, int page) {
  TShowLink result;
  if (link.LinkKind == kJumpAbsolute || link.LinkKind == kJumpRelative) {
    result.Slide = link.ResolveTarget(document, link.Destination, page).Page;
    return result;
  }
  result.Target = link.Target;
  if (link.LinkKind == kInternetLink) {
    result.Kind = TShowLink::TKind::Web;
    // A bare host name is a web address, as the PDF writes it.
    if (result.Target.find(':') == std::string::npos) result.Target.insert(0, "http://");
  } else {
    result.Kind = TShowLink::TKind::File;
  }
  return result;
}

// The topmost link of one page's objects at (x, y): objects back to front are drawn in
// list order, each followed by its attached links, so the search runs the other way.
const TPDFAnnot* LinkOn(const TPage& source, int x, int y) {
  for (auto it = source.Objects.rbegin(); it != source.Objects.rend(); ++it) {
    const TPDFObject& object = **it;
    if (object.Deleted) continue;
    const auto& attached = object.Annots();
    for (auto a = attached.rbegin(); a != attached.rend(); ++a)
      if (!(*a)->Deleted && Contains(**a, x, y)) return a->get();
    if (object.IsA(ClassId::Annot)) {
      const auto& link = static_cast<const TPDFAnnot&>(object);
      if (Contains(link, x, y)) return &link;
    }
  }
  return nullptr;
}
}  // namespace

std::optional<TShowLink> ShowLinkAt(const TQuarrionCanvas& document, int page, int x, int y) {
  if (page < 0 || page >= document.PageCount() || document.Pages()[std::size_t(page)].IsMaster)
    return std::nullopt;
  const TPDFAnnot* link = LinkOn(document.Pages()[std::size_t(page)], x, y);
  if (!link) {
    const int master = document.MasterShownBehind(page);
    if (master >= 0) link = LinkOn(document.Pages()[std::size_t(master)], x, y);
  }
  if (!link) return std::nullopt;
  return Follow(document, *link, page);
}
