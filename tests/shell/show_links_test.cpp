// Links followed in a slide show lead where the PDF's links lead.
#include <gtest/gtest.h>

#include "model/quarrion_canvas.h"
#include "objects/annot.h"
#include "shell/show_links.h"

namespace {
TPDFAnnot* Link(TQuarrionCanvas& doc, int page, int kind, int destination, int left = 100) {
  auto link = std::make_unique<TPDFAnnot>(left, 100, left + 50, 150);
  link->LinkKind = kind;
  link->Destination.Page = destination;
  doc.SetPage(page);
  return static_cast<TPDFAnnot*>(doc.Add(std::move(link)));
}

// Pages: 0 slide, 1 master, 2..4 slides using it, 5 a slide that does not.
struct Deck {
  Deck() {
    doc.AddPage(1, true, true);
    for (int p = 2; p <= 5; ++p) doc.AddPage(p, true, false);
    doc.Pages()[5].UseMaster = false;
  }
  TQuarrionCanvas doc;
};
}  // namespace

TEST(ShowLinks, MasterPageLinksWorkOnEverySlideThatUsesTheMaster) {
  Deck d;
  Link(d.doc, 1, 1, +1);  // "the next page", relative
  // page -> slide reached (slides: page 0 = 0, 2 = 1, 3 = 2, 4 = 3, 5 = 4)
  const std::pair<int, int> cases[] = {{2, 2}, {3, 3}, {4, 4}};
  for (auto [page, slide] : cases) {
    auto link = ShowLinkAt(d.doc, page, 120, 120);
    ASSERT_TRUE(link) << page;
    EXPECT_EQ(link->Kind, TShowLink::TKind::Jump);
    EXPECT_EQ(link->Slide, slide) << page;
  }
  EXPECT_FALSE(ShowLinkAt(d.doc, 5, 120, 120)) << "slide without the master";
  EXPECT_FALSE(ShowLinkAt(d.doc, 0, 120, 120)) << "slide before the master";
  EXPECT_FALSE(ShowLinkAt(d.doc, 1, 120, 120)) << "a master page is never shown";
}

TEST(ShowLinks, JumpsResolveAsInThePdf) {
  struct Case {
    const char* Name;
    int Kind, Destination, Page, Slide;
  };
  const Case cases[] = {
      {"absolute", 0, 2, 0, 2},
      {"last slide", 0, -1, 0, 4},
      {"absolute beyond the end", 0, 40, 0, 4},
      {"relative back", 1, -1, 3, 1},
      {"relative back from the first", 1, -1, 0, 0},
      {"relative next from the last", 1, 1, 5, 4},
  };
  for (const Case& c : cases) {
    Deck d;
    Link(d.doc, c.Page, c.Kind, c.Destination);
    auto link = ShowLinkAt(d.doc, c.Page, 100, 150);  // corners belong to the link
    ASSERT_TRUE(link) << c.Name;
    EXPECT_EQ(link->Slide, c.Slide) << c.Name;
  }
}

TEST(ShowLinks, TheTopmostLinkWinsAndOnlyInsideItsArea) {
  Deck d;
  Link(d.doc, 1, 0, 0);            // master: to the first slide
  Link(d.doc, 2, 0, 3);            // the slide's own, over it
  auto* deleted = Link(d.doc, 2, 0, 2, 130);
  deleted->Deleted = true;
  auto carrier = std::make_unique<TPDFRectangle>(300, 200, 400, 250);
  auto attached = std::make_unique<TPDFAnnot>(300, 200, 340, 220);
  attached->LinkKind = 2;
  attached->Target = "example.org/a&b";
  carrier->AddAnnot(std::move(attached));
  d.doc.SetPage(2);
  d.doc.Add(std::move(carrier));
  auto* web = Link(d.doc, 3, 2, 0);
  web->Target = "mailto:someone@example.org";
  auto* file = Link(d.doc, 4, 3, 0);
  file->Target = "notes.pdf";

  auto own = ShowLinkAt(d.doc, 2, 140, 140);
  ASSERT_TRUE(own);
  EXPECT_EQ(own->Slide, 3) << "the slide's link lies above the master's; deleted links are gone";
  auto attachedLink = ShowLinkAt(d.doc, 2, 310, 210);
  ASSERT_TRUE(attachedLink);
  EXPECT_EQ(attachedLink->Kind, TShowLink::TKind::Web);
  EXPECT_EQ(attachedLink->Target, "http://example.org/a&b");
  EXPECT_FALSE(ShowLinkAt(d.doc, 2, 350, 230)) << "the carrier itself is no link";
  EXPECT_FALSE(ShowLinkAt(d.doc, 2, 99, 120));
  EXPECT_FALSE(ShowLinkAt(d.doc, 2, 120, 151));
  auto mail = ShowLinkAt(d.doc, 3, 120, 120);
  ASSERT_TRUE(mail);
  EXPECT_EQ(mail->Target, "mailto:someone@example.org") << "an address with a scheme is kept";
  auto other = ShowLinkAt(d.doc, 4, 120, 120);
  ASSERT_TRUE(other);
  EXPECT_EQ(other->Kind, TShowLink::TKind::File);
  EXPECT_EQ(other->Target, "notes.pdf");
  EXPECT_EQ(ShowLinkAt(d.doc, 3, 120, 120)->Kind, TShowLink::TKind::Web);
}
