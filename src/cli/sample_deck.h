#pragma once

#include <string>

class TQuarrionCanvas;

// Fills an empty canvas with the built-in sample deck: a master page with a title bar
// and page numbers, and slides showing what Quarrion does.
void BuildSampleDeck(TQuarrionCanvas& canvas);

// Writes the sample deck into `outDir` as demo.qsl, demo.pdf, demo.svg (with its picture
// files) and slide-NNN.png. False with `error` set when something cannot be written.
bool WriteSampleDeck(const std::string& outDir, std::string* error);
