#pragma once

class ActionRegistry;
class QToolBar;

// Gives the toolbar's actions their icons: the desktop's icon theme where it has one,
// else the bundled pictures, so the bar looks complete on any desktop. The toolbar then
// shows icons, with the short hints as tooltips.
void ApplyToolbarIcons(ActionRegistry& actions, QToolBar* toolbar);
