#pragma once

#include <map>
#include <string>

// Runs a program built beside this runner (a path relative to the runner's folder) with
// `args`, echoes its output indented, and returns the figures it printed as lines
// "figure: <name> <value>". Empty when the program is missing or failed.
std::map<std::string, double> RunSibling(const std::string& relativePath, const std::string& args);

// The runner's own executable, for starting it again as a child.
std::string SelfPath();
