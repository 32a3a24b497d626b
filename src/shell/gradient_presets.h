#pragma once

#include <array>
#include <memory>
#include <string_view>
#include <vector>

#include "base/geometry.h"
#include "objects/gradient.h"

// One ready-made gradient of the colour dialog's list: its shape, without colours.
struct GradientPreset {
  std::string_view Name;
  int ShadingType;  // 2 axial, 3 radial
  double StartX, StartY, StartRadius;
  double EndX, EndY, EndRadius;
};

// The list after its first entry, "Custom Gradient".
inline constexpr std::array<GradientPreset, 6> kGradientPresets{{
    {"Top - Bottom", 2, 0.5, 0, 0.3, 0.5, 1, 0},
    {"Left - Right", 2, 0, 0.5, 0.3, 1, 0.5, 0},
    {"Top Left - Bottom Right", 2, 0, 0, 0.3, 1, 1, 0},
    {"Top Right - Bottom Left", 2, 1, 0, 0.3, 0, 1, 0},
    {"Radial: Top Left", 3, 0.6, 0.6, 1.0, 0.1, 0.1, 0},
    {"Radial: Top Right", 3, 0.4, 0.6, 1.0, 0.9, 0.1, 0},
}};

// A gradient of the preset's shape in the given colours, both ends extended.
std::unique_ptr<TPDFGradient> MakePresetGradient(const GradientPreset& preset, TColor start,
                                                 TColor end);
// The six presets in list order.
std::vector<std::unique_ptr<TPDFGradient>> MakePresetGradients(TColor start, TColor end);
