#pragma once

#include <QString>
#include <functional>

class ActionRegistry;
class MainWindow;
class TQuarrionCanvas;
struct CommandSeams;

// File menu: "Generate PDF", "Generate SVG" and the document properties. The exports
// write the same bytes as quarrion-cli does for the same document.
class ExportCommands {
 public:
  ExportCommands(MainWindow& window, CommandSeams& seams);
  ~ExportCommands();
  void Connect(ActionRegistry& actions);

  void GeneratePdf();
  void GenerateSvg();

  // The byte count written to `path`, or -1 when it could not be written (an existing
  // file is then left as it was).
  long long ExportPdf(const QString& path);
  long long ExportSvg(const QString& path);

  // Every status text goes through here (the main window's status text by default).
  std::function<void(const QString&)> ShowStatus;

 private:
  struct TExportKind;
  void Generate(const TExportKind& kind);
  TQuarrionCanvas& Canvas();

  MainWindow& window_;
  CommandSeams& seams_;
};
