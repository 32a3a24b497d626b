#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// Helpers that check PDF output with programs nobody here wrote, and by parsing the file
// structure independently of the writer.

// True when `program` can be found on the PATH.
bool ToolAvailable(const std::string& program);

// A file in the temporary folder holding `content`; removed when the object goes.
class TempFile {
 public:
  explicit TempFile(std::string_view content, std::string_view suffix = ".pdf");
  ~TempFile();
  TempFile(const TempFile&) = delete;
  TempFile& operator=(const TempFile&) = delete;
  const std::string& Path() const { return path_; }

 private:
  std::string path_;
};

struct ToolResult {
  int ExitCode = -1;
  std::string Output;  // standard output and standard error together
};

// Runs `argv` (no shell involved) and collects what it prints.
ToolResult RunTool(const std::vector<std::string>& argv);

// `qpdf --check` on the file: exit code 0 and no warnings means the structure is sound.
ToolResult QpdfCheck(const std::string& pdf);

// The document as `qpdf --json` shows it (version 2, with the given keys), or "" when
// qpdf fails.
std::string QpdfJson(const std::string& pdf);

// An RGB picture of one page rendered by pdftoppm at 72 dpi (one pixel per point).
struct RenderedPage {
  int Width = 0;
  int Height = 0;
  std::vector<std::uint8_t> Rgb;
  // The colour at (x, y) from the top-left as 0x00BBGGRR, the program's colour form.
  std::uint32_t Pixel(int x, int y) const;
};
// Renders slide `pageFrom1`; Width stays 0 when rendering failed.
RenderedPage RenderPage(const std::string& pdf, int pageFrom1);

// Inflates a zlib stream; empty when the data is not a complete zlib stream.
std::string Inflate(std::string_view data);

// Reads the cross-reference section from startxref on and checks that every entry in use
// points at "N 0 obj" and that startxref points at "xref". Returns the problems found.
std::vector<std::string> CheckXrefOffsets(const std::string& pdf);

// The stream data of object `number` (between "stream\n" and "\nendstream"), found
// through the cross-reference section; empty when the object has none.
std::string StreamOf(const std::string& pdf, int number);

// The text of object `number` from its header up to and including "endobj".
std::string ObjectText(const std::string& pdf, int number);
