#pragma once

#include <string>

// The script element of the SVG slide show: the slide count, onInit, ChangePage and the
// keyboard handler. Every slide is a group "Page" + k; only the one in _po is visible.
// In full-screen shows there is no navigation pane, so ChangePage leaves "_pn_" alone.
void AppendSVGScript(std::string& out, int slideCount, bool fullScreen);
