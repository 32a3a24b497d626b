#pragma once

#include <iosfwd>
#include <string>
#include <vector>

#include "model/draw_context.h"

// The headless tool. Exit statuses: 0 success, 1 a file could not be read, loaded or
// written (one line on the error stream saying why), 2 a usage error.
class CliApp {
 public:
  CliApp(std::ostream& out, std::ostream& err) : out_(out), err_(err) {}
  int Run(const std::vector<std::string>& args);

 private:
  int Pdf(const std::string& in, const std::string& out);
  int Svg(const std::string& in, const std::string& out);
  // png IN OUTDIR [--width N] [--work-area]: the options in any order.
  int PngCommand(const std::vector<std::string>& args);
  int Png(const std::string& in, const std::string& outDir, int width, TDrawMode mode);
  int Dump(const std::string& in);
  int Build(const std::string& in, const std::string& out);
  int Demo(const std::string& outDir);
  int Usage(const std::string& problem);
  int Fail(const std::string& message);

  std::ostream& out_;
  std::ostream& err_;
};

// The text of --help.
const char* CliUsageText();
