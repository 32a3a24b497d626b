#pragma once

#include <string>

struct TDeck;

// The peer: the same deck drawn through cairo's PDF surface into `out` (rectangles with
// their fills, shadows and gradients, lines, curves, the texts' words in the standard
// Helvetica faces, the pictures). Cairo always compresses its streams and embeds font
// subsets; the texts are drawn from their words without wrapping, which favours cairo.
void DrawDeckWithCairo(const TDeck& deck, std::string& out);
