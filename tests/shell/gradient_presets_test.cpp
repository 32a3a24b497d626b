// The colour dialog's ready-made gradients.
#include <gtest/gtest.h>

#include <string>

#include "shell/gradient_presets.h"

namespace {
TEST(GradientPresets, SixShapesInTheUsersColours) {
  struct Expected {
    const char* Name;
    int Type;
    double SX, SY, SR, EX, EY, ER;
  };
  const Expected expected[] = {
      {"Top - Bottom", 2, 0.5, 0, 0.3, 0.5, 1, 0},
      {"Left - Right", 2, 0, 0.5, 0.3, 1, 0.5, 0},
      {"Top Left - Bottom Right", 2, 0, 0, 0.3, 1, 1, 0},
      {"Top Right - Bottom Left", 2, 1, 0, 0.3, 0, 1, 0},
      {"Radial: Top Left", 3, 0.6, 0.6, 1.0, 0.1, 0.1, 0},
      {"Radial: Top Right", 3, 0.4, 0.6, 1.0, 0.9, 0.1, 0},
  };
  const auto gradients = MakePresetGradients(0x123456, 0xABCDEF);
  ASSERT_EQ(gradients.size(), std::size(expected));
  ASSERT_EQ(kGradientPresets.size(), std::size(expected));
  for (std::size_t i = 0; i < gradients.size(); ++i) {
    const Expected& e = expected[i];
    const TPDFGradient& g = *gradients[i];
    SCOPED_TRACE(e.Name);
    EXPECT_EQ(kGradientPresets[i].Name, e.Name);
    EXPECT_EQ(g.ShadingType, e.Type);
    EXPECT_DOUBLE_EQ(g.Start.X, e.SX);
    EXPECT_DOUBLE_EQ(g.Start.Y, e.SY);
    EXPECT_DOUBLE_EQ(g.Start.Radius, e.SR);
    EXPECT_DOUBLE_EQ(g.End.X, e.EX);
    EXPECT_DOUBLE_EQ(g.End.Y, e.EY);
    EXPECT_DOUBLE_EQ(g.End.Radius, e.ER);
    EXPECT_EQ(g.Start.Colour, 0x123456u);
    EXPECT_EQ(g.End.Colour, 0xABCDEFu);
    EXPECT_TRUE(g.Start.Extend && g.End.Extend);
  }
}
}  // namespace
