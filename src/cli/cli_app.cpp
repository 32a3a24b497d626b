#include "cli/cli_app.h"

#include <charconv>
#include <fstream>
#include <ostream>
#include <sstream>

#include "cli/cli_document.h"
#include "cli/document_json.h"
#include "cli/sample_deck.h"
#include "cli/slide_images.h"
#include "export/pdf_export.h"
#include "export/svg_export.h"
#include "model/quarrion_canvas.h"
#include "base/file_helpers.h"

const char* CliUsageText() {
  return "usage: quarrion-cli COMMAND ...\n"
         "\n"
         "  pdf  IN.qsl OUT.pdf            export the PDF slide show\n"
         "  svg  IN.qsl OUT.svg            export the SVG slide show and its picture files beside it\n"
         "  png  IN.qsl OUTDIR [--width N] [--work-area]\n"
         "                                 render every slide as the audience sees it (or the editing\n"
         "                                 view) to OUTDIR/slide-NNN.png\n"
         "  dump IN.qsl                    the whole document as JSON on standard output\n"
         "  build IN.json OUT.qsl          the inverse of dump\n"
         "  demo OUTDIR                    write the built-in sample deck as .qsl, .pdf, .svg and PNGs\n"
         "\n"
         "Exit status: 0 success, 1 a file could not be read, loaded or written, 2 usage error.\n"
         "SOURCE_DATE_EPOCH, when set, fixes the dates written into PDF and SVG output.\n";
}

int CliApp::Usage(const std::string& problem) {
  err_ << "quarrion-cli: " << problem << "\n" << CliUsageText();
  return 2;
}

int CliApp::Fail(const std::string& message) {
  err_ << message << "\n";
  return 1;
}

int CliApp::Run(const std::vector<std::string>& args) {
  if (args.empty()) return Usage("no command given");
  const std::string& cmd = args[0];
  if (cmd == "--help" || cmd == "-h" || cmd == "help") {
    out_ << CliUsageText();
    return 0;
  }
  auto need = [&](std::size_t n) { return args.size() == n + 1; };
  if (cmd == "pdf" && need(2)) return Pdf(args[1], args[2]);
  if (cmd == "svg" && need(2)) return Svg(args[1], args[2]);
  if (cmd == "dump" && need(1)) return Dump(args[1]);
  if (cmd == "build" && need(2)) return Build(args[1], args[2]);
  if (cmd == "demo" && need(1)) return Demo(args[1]);
  if (cmd == "png" && args.size() >= 3) return PngCommand(args);
  const char* known[] = {"pdf", "svg", "png", "dump", "build", "demo"};
  for (const char* k : known)
    if (cmd == k) return Usage("wrong arguments for " + cmd);
  return Usage("unknown command " + cmd);
}

int CliApp::Pdf(const std::string& in, const std::string& out) {
  CliDocument doc;
  if (!doc.Load(in)) return Fail(doc.Error());
  TFileResult r = ExportPDF(doc.Canvas(), out);
  if (!r.Ok()) return Fail("Could not write " + out + ": " + r.Message);
  return 0;
}

int CliApp::Svg(const std::string& in, const std::string& out) {
  CliDocument doc;
  if (!doc.Load(in)) return Fail(doc.Error());
  TFileResult r = ExportSVG(doc.Canvas(), out);
  if (!r.Ok()) return Fail("Could not write " + out + ": " + r.Message);
  return 0;
}

int CliApp::PngCommand(const std::vector<std::string>& args) {
  int width = DefaultSlideImageWidth;
  TDrawMode mode = TDrawMode::Show;
  for (std::size_t i = 3; i < args.size(); ++i) {
    if (args[i] == "--work-area") {
      mode = TDrawMode::WorkArea;
    } else if (args[i] == "--width") {
      if (++i == args.size()) return Usage("--width takes a whole number from 16 to 16384");
      const std::string& w = args[i];
      auto res = std::from_chars(w.data(), w.data() + w.size(), width);
      if (res.ec != std::errc() || res.ptr != w.data() + w.size() || width < 16 || width > 16384)
        return Usage("--width takes a whole number from 16 to 16384");
    } else {
      return Usage("unknown option " + args[i]);
    }
  }
  return Png(args[1], args[2], width, mode);
}

int CliApp::Png(const std::string& in, const std::string& outDir, int width, TDrawMode mode) {
  CliDocument doc;
  if (!doc.Load(in)) return Fail(doc.Error());
  std::string error;
  if (!WriteSlideImages(doc.Canvas(), outDir, width, mode, &error)) return Fail(error);
  return 0;
}

int CliApp::Dump(const std::string& in) {
  CliDocument doc;
  if (!doc.Load(in)) return Fail(doc.Error());
  out_ << DocumentToJson(doc.Canvas()).dump(2) << "\n";
  out_.flush();
  return out_ ? 0 : Fail("Could not write to standard output");
}

int CliApp::Build(const std::string& in, const std::string& out) {
  std::string text;
  std::string readError;
  if (!ReadFileBytes(in, text, &readError)) return Fail("Could not read " + in + ": " + readError);
  Json json;
  try {
    json = Json::parse(text);
  } catch (const Json::parse_error& e) {
    return Fail(in + ": not valid JSON at byte " + std::to_string(e.byte) + ": " + e.what());
  }
  CliDocument doc;
  try {
    DocumentFromJson(json, doc.Canvas());
  } catch (const JsonInputError& e) {
    return Fail(in + ": " + e.what());
  }
  if (!doc.Save(out)) return Fail(doc.Error());
  return 0;
}

int CliApp::Demo(const std::string& outDir) {
  std::string error;
  if (!WriteSampleDeck(outDir, &error)) return Fail(error);
  out_ << "Sample deck written to " << outDir << "\n";
  return 0;
}
