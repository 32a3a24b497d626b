// Every kind goes through the class registry and comes back byte for byte.
#include <gtest/gtest.h>

#include "objects/annot.h"
#include "objects/bezier.h"
#include "objects/gradient.h"
#include "objects/guide.h"
#include "storage/lookup_table_manager.h"

namespace {
std::unique_ptr<TPDFObject> Dressed(std::uint8_t id) {
  switch (id) {
    case ClassId::Line: {
      auto l = std::make_unique<TPDFLine>(300, -20, 10, 500);
      l->Colour = 0x0A0B0C;
      l->LineWidth = 2.25;
      l->DashPattern = {4, 4, 1, 4};
      l->Locked = true;
      return l;
    }
    case ClassId::Bezier: {
      auto b = std::make_unique<TPDFBezier>(0, 0, 100, 100, -512, 65023, 7, -8);
      b->Colour = 0x00FF00;
      b->Deleted = true;
      return b;
    }
    case ClassId::Guide: {
      auto g = std::make_unique<TPDFGuide>(12, 34, 56, 0);
      g->SetOrientation(1);
      g->Colour = 0x00FFFF;
      return g;
    }
    case ClassId::Gradient: {
      auto g = std::make_unique<TPDFGradient>(1, 2, 3, 4);
      g->ShadingType = 3;
      g->Start.Radius = 1.5;
      g->End.X = 0.75;
      return g;
    }
    default: {
      auto a = std::make_unique<TPDFAnnot>(5, 6, 70, 80);
      a->LinkKind = 3;
      a->Target = "slides\\other.pdf";
      a->Shadow = true;
      auto inner = std::make_unique<TPDFAnnot>(1, 1, 2, 2);
      inner->Destination = {-1, 10, 20, 0.5};
      a->AddAnnot(std::move(inner));
      a->SetGradient(std::make_unique<TPDFGradient>(0, 0, 0, 0));
      return a;
    }
  }
}
}  // namespace

TEST(RegistryRoundTrip, EveryKindComesBackAsItWent) {
  TLookupTableManager registry;
  RegisterBuiltinClasses(registry);
  for (std::uint8_t id : {ClassId::Line, ClassId::Bezier, ClassId::Guide, ClassId::Gradient, ClassId::Annot}) {
    auto obj = Dressed(id);
    TStringRep rep = registry.WriteObject(*obj);
    EXPECT_EQ(rep.ID, id);
    auto back = registry.CreateObject(rep.ID, rep.Data);
    ASSERT_TRUE(back);
    EXPECT_EQ(back->ClassID(), id);
    EXPECT_EQ(back->SaveToString(), rep.Data) << int(id);
    EXPECT_EQ(back->Left, obj->Left);
    EXPECT_EQ(back->Annots().size(), obj->Annots().size());
  }
}

TEST(RegistryRoundTrip, RegistrationOrderAndDerivation) {
  TLookupTableManager registry;
  RegisterBuiltinClasses(registry);
  std::vector<int> ids;
  for (const auto& e : registry.Table()) ids.push_back(e.ID);
  // Text (3) and image (5) register in between when their kinds are built.
  std::vector<int> without;
  for (int id : ids)
    if (id != ClassId::Text && id != ClassId::Image) without.push_back(id);
  EXPECT_EQ(without, (std::vector<int>{1, 2, 4, 6, 7, 8}));
  TPDFBezier curve(0, 0, 1, 1);
  TPDFLine line(0, 0, 1, 1);
  EXPECT_TRUE(line.AcceptsStyleOf(curve));
  EXPECT_FALSE(curve.AcceptsStyleOf(line));
}
