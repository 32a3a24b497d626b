// File menu: the PDF and SVG exports and the document properties.
#include "app/export_commands.h"

#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "app/action_ids.h"
#include "app/app_folders.h"
#include "app/command_seams.h"
#include "app/main_window.h"
#include "dialogs/document_properties_dialog.h"
#include "export/pdf_export.h"
#include "export/svg_export.h"
#include "model/environment_info.h"
#include "model/quarrion_canvas.h"
#include "objects/gradient.h"

namespace {
QString Id(const char* id) { return QString::fromLatin1(id); }
std::string LocalPath(const QString& path) { return QFile::encodeName(path).toStdString(); }

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
      window_(window), seams_(seams), properties_(new TDocumentProperties(&window)) {}

TQuarrionCanvas& ExportCommands::Canvas() { return window_.WorkArea(); }

void ExportCommands::Connect(ActionRegistry& actions) {
  using namespace ActionId;
  actions.Connect(Id(FilePdf), [this] { GeneratePdf(); });
  actions.Connect(Id(FileSvg), [this] { GenerateSvg(); });
  actions.Connect(Id(FileDocProps), [this] { DocumentProperties(); });
  actions.Connect(Id(PageDocProps), [this] { DocumentProperties(); });
  // After the window's own New command, which is connected first. A document still
  // modified afterwards was kept (the save question was cancelled or its save failed).
  QObject::connect(actions.Action(Id(FileNew)), &QAction::triggered, actions.Action(Id(FileNew)), [this] {
    if (EnvironmentInfo().ShowDocPropsOnNew && !window_.Modified()) DocumentProperties();
  });
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
  const QString proposed = (untitled ? QStringLiteral("untitled") : QFileInfo(window_.FileName()).completeBaseName()) +
                           kind.Extension;
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

// The status text is painted before the long step that follows; input waits until the
// export is done, so no command can change the document while it is written.
void ExportCommands::Status(const std::string& text) {
  ShowStatus(QString::fromStdString(text));
  QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

// A failed export leaves an empty status text (a refused target leaves none at all) and
// its reason in the message log.
void ExportCommands::Failed(const std::string& reason) {
  ShowStatus(QString());
  Canvas().Log(reason);
}

long long ExportCommands::ExportPdf(const QString& path) {
  TBusyCursor busy;
  const TFileResult result = ExportPDF(Canvas(), LocalPath(path), [this](const std::string& text) { Status(text); });
  if (!result.Ok()) Failed("Generate PDF: " + result.Message);
  return result.Bytes;
}

// A picture that could not be written beside the SVG fails the export too: the show
// would be incomplete. The log names the pictures.
long long ExportCommands::ExportSvg(const QString& path) {
  TBusyCursor busy;
  const TFileResult result = ExportSVG(Canvas(), LocalPath(path), [this](const std::string& text) { Status(text); });
  if (!result.Ok()) Failed("Generate SVG: " + result.Message);
  return result.Bytes;
}

void ExportCommands::DocumentProperties() {
  TQuarrionCanvas& canvas = Canvas();
  TDocumentInfo& info = canvas.DocumentInfo;
  TDocumentProperties& dialog = *properties_;
  dialog.SetDocumentTitle(info.Title);
  dialog.SetSubject(info.Subject);
  dialog.SetAuthor(info.Author);
  dialog.SetBackgroundColour(info.Background);
  if (info.BackgroundIsGradient && info.BackgroundGradient) dialog.SetBackgroundGradient(*info.BackgroundGradient);
  dialog.SetPageSize(canvas.PageWidth, canvas.PageHeight);
  dialog.SetFullScreen(canvas.FullScreen);
  dialog.SetShowOutlines(canvas.ShowOutlines);
  dialog.SetCompressed(canvas.Compressed);
  PlaceDialog(dialog, window_, 100);
  if (!window_.Ask().ShowModal(dialog)) return;
  info.Title = dialog.DocumentTitle();
  info.Subject = dialog.Subject();
  info.Author = dialog.Author();
  // A solid choice keeps the stored gradient, which presets the colour dialog next time.
  if (dialog.BackgroundIsGradient())
    info.BackgroundGradient = dialog.CopyBackgroundGradient();
  else
    info.Background = dialog.BackgroundColour();
  info.BackgroundIsGradient = dialog.BackgroundIsGradient();
  canvas.PageWidth = dialog.PageWidth();
  canvas.PageHeight = dialog.PageHeight();
  canvas.FullScreen = dialog.FullScreen();
  canvas.ShowOutlines = dialog.ShowOutlines();
  canvas.Compressed = dialog.Compressed();
  canvas.ClearStatic();
  canvas.Repaint();
  window_.SetModified(true);
}
