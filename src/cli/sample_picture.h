#pragma once

#include <string>

// The picture of the sample deck, drawn in code so the tool needs no data files: a small
// landscape (sky, sun, hills) as a 24-bit BMP file.
std::string SamplePictureBmp();
