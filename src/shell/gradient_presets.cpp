#include "shell/gradient_presets.h"

std::unique_ptr<TPDFGradient> MakePresetGradient(const GradientPreset& preset, TColor start,
                                                 TColor end) {
  auto gradient = std::make_unique<TPDFGradient>(0, 0, 0, 0);
  gradient->ShadingType = preset.ShadingType;
  gradient->Start = {true, start, preset.StartX, preset.StartY, preset.StartRadius, 0};
  gradient->End = {true, end, preset.EndX, preset.EndY, preset.EndRadius, 0};
  return gradient;
}

std::vector<std::unique_ptr<TPDFGradient>> MakePresetGradients(TColor start, TColor end) {
  std::vector<std::unique_ptr<TPDFGradient>> gradients;
  for (const GradientPreset& preset : kGradientPresets)
    gradients.push_back(MakePresetGradient(preset, start, end));
  return gradients;
}
