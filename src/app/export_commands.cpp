// File menu: the PDF and SVG exports.
#include "app/export_commands.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "app/action_ids.h"
#include "app/app_folders.h"
#include "app/command_seams.h"
#include "app/main_window.h"
#include "base/atomic_file_writer.h"
#include "export/svg_export.h"
#include "model/environment_info.h"
#include "model/quarrion_canvas.h"

namespace {
QString Id(const char* id) { return QString::fromLatin1(id); }
std::string LocalPath(const QString& path) { return QFile::encodeName(path).toStdString(); }

// Whether `path` could be written, asked without touching it: its folder must take new
// files and an existing file must be a writable regular file.
bool CanWriteTo(const QString& path) {
  const QFileInfo file(path);
  const QFileInfo folder(file.absolutePath());
  if (!folder.isDir() || !folder.isWritable() || !folder.isExecutable()) return false;
  return !file.exists() || (file.isFile() && file.isWritable());
}

// `chosen` with its extension replaced by `extension`.
QString WithExtension(const QString& chosen, const QString& extension) {
  const QFileInfo info(chosen);
  return QDir(info.path()).filePath(info.completeBaseName() + extension);
}
}  // namespace

// What tells the two exports apart.
struct ExportCommands::TExportKind {
  QString Title, Filter, Extension, Caption;
  QString* Folder;
  long long (ExportCommands::*Export)(const QString& path);
};

ExportCommands::ExportCommands(MainWindow& window, CommandSeams& seams)
    : ShowStatus([&window](const QString& text) { window.SetStatus(text); }),
      window_(window), seams_(seams) {}

ExportCommands::~ExportCommands() = default;

TQuarrionCanvas& ExportCommands::Canvas() { return window_.WorkArea(); }

void ExportCommands::Connect(ActionRegistry& actions) {
  actions.Connect(Id(ActionId::FilePdf), [this] { GeneratePdf(); });
  actions.Connect(Id(ActionId::FileSvg), [this] { GenerateSvg(); });
}

void ExportCommands::GeneratePdf() {
  Generate({QStringLiteral("Save as PDF"), QStringLiteral("PDF Document (*.pdf);;All files (*)"),
            QStringLiteral(".pdf"), QStringLiteral("Generate PDF"), &window_.PDFDir,
            &ExportCommands::ExportPdf});
}

void ExportCommands::GenerateSvg() {
  Generate({QStringLiteral("Save as SVG"), QStringLiteral("SVG Document (*.SVG);;All files (*)"),
            QStringLiteral(".SVG"), QStringLiteral("Generate SVG"), &window_.SVGDir,
            &ExportCommands::ExportSvg});
}

void ExportCommands::Generate(const TExportKind& kind) {
  const bool untitled = window_.FileName() == QLatin1String(MainWindow::Untitled);
  const QString proposed = untitled ? QStringLiteral("untitled") + kind.Extension
                                    : QFileInfo(window_.FileName()).completeBaseName() + kind.Extension;
  const QString chosen = window_.Ask().SaveFileName({kind.Title, kind.Filter, *kind.Folder, proposed});
  if (chosen.isEmpty()) return;
  const QString path = WithExtension(chosen, kind.Extension);
  *kind.Folder = AppFolders::WithSlash(QFileInfo(path).path());
  if ((this->*kind.Export)(path) < 0) {
    window_.Ask().Warning(QStringLiteral("Could not save to ") + path, kind.Caption);
    return;
  }
  if (EnvironmentInfo().ShowPDFOnExport) seams_.OpenUrl(QUrl::fromLocalFile(path));
}

long long ExportCommands::ExportPdf(const QString& path) {
  if (!CanWriteTo(path)) return -1;
  TBusyCursor busy;
  ShowStatus(QStringLiteral("Generating PDF code ..."));
  QCoreApplication::processEvents();
  std::string pdf;
  Canvas().GeneratePDF(pdf);
  ShowStatus(QStringLiteral("Saving PDF ..."));
  std::string error;
  if (!WriteFileAtomically(LocalPath(path), pdf, &error)) {
    Canvas().Log(error);
    ShowStatus(QString());
    return -1;
  }
  ShowStatus(QStringLiteral("%1 bytes written to %2").arg(pdf.size()).arg(path));
  return static_cast<long long>(pdf.size());
}

// Pictures go beside the SVG; one that cannot be written is logged, not reported.
long long ExportCommands::ExportSvg(const QString& path) {
  if (!CanWriteTo(path)) return -1;
  TBusyCursor busy;
  ShowStatus(QStringLiteral("Generating SVG code ..."));
  QCoreApplication::processEvents();
  std::string error;
  TSVGExportReport report;
  const bool ok = WriteSVGExport(Canvas(), LocalPath(path), &error, &report,
                                 [this](const std::string& text) { ShowStatus(QString::fromStdString(text)); });
  if (!ok && report.SVGBytes == 0) {
    Canvas().Log(error);
    ShowStatus(QString());
    return -1;
  }
  if (!ok) Canvas().Log(error);
  ShowStatus(QStringLiteral("%1 bytes written to %2").arg(report.SVGBytes).arg(path));
  return static_cast<long long>(report.SVGBytes);
}
