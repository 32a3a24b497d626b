#pragma once

#include <functional>

class MainWindow;

// The whole program: the splash, the class registry, the main window and its start-up
// steps, then the message loop. `shown` runs once the main window is shown (the start-up
// benchmark hooks in there); the result is the program's exit status.
int RunDesigner(int argc, char** argv, const std::function<void(MainWindow&)>& shown = {});
