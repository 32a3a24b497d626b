#pragma once

#include <QString>
#include <functional>

class ActionRegistry;
class MainWindow;
class TDocumentProperties;
class TQuarrionCanvas;
struct CommandSeams;

// File menu: "Generate PDF", "Generate SVG" and the document properties. The exports run
// the core's export commands, as quarrion-cli does, so both write the same bytes.
class ExportCommands {
 public:
  ExportCommands(MainWindow& window, CommandSeams& seams);
  void Connect(ActionRegistry& actions);

  void GeneratePdf();
  void GenerateSvg();
  // The byte count written to `path`, or -1 when it could not be written (an existing
  // file is then left as it was).
  long long ExportPdf(const QString& path);
  long long ExportSvg(const QString& path);

  void DocumentProperties();
  // The colour and gradient dialog answers the dialog's "Background Colour" button here.
  TDocumentProperties* DocumentPropertiesDialog() const { return properties_; }

  // Every status text goes through here (the main window's status text by default).
  std::function<void(const QString&)> ShowStatus;

 private:
  struct TExportKind;
  void Generate(const TExportKind& kind);
  void Status(const std::string& text);
  void Failed(const std::string& reason);
  TQuarrionCanvas& Canvas();

  MainWindow& window_;
  CommandSeams& seams_;
  TDocumentProperties* properties_;
};
