// Writes a picture of each small dialog at its default size, filled with sample values,
// to OUTDIR/<name>.png, so a person can look at the layouts without running the designer.
#include <QApplication>
#include <QDir>
#include <QIcon>
#include <QPixmap>
#include <cstdio>

#include "dialogs/document_properties_dialog.h"
#include "dialogs/go_to_page_dialog.h"
#include "dialogs/log_dialog.h"
#include "dialogs/options_dialog.h"
#include "dialogs/page_props_dialog.h"
#include "dialogs/select_font_dialog.h"
#include "dialogs/slide_organiser_dialog.h"
#include "dialogs/stencil_properties_dialog.h"

namespace {
bool Shoot(QDialog& dialog, const QDir& dir, const char* name) {
  dialog.show();
  QApplication::processEvents();
  const bool ok = dialog.grab().save(dir.filePath(QString::fromLatin1(name) + ".png"));
  dialog.hide();
  if (!ok) std::fprintf(stderr, "could not write %s.png\n", name);
  return ok;
}

QIcon Sample(Qt::GlobalColor colour) {
  QPixmap pixmap(32, 32);
  pixmap.fill(colour);
  return QIcon(pixmap);
}
}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  if (argc != 2) {
    std::fprintf(stderr, "usage: dialog_shots OUTDIR\n");
    return 2;
  }
  QDir dir(QString::fromLocal8Bit(argv[1]));
  if (!dir.mkpath(QStringLiteral("."))) return 1;
  bool ok = true;

  TDocumentProperties documentProperties;
  documentProperties.SetPageSize(432, 324);
  documentProperties.SetBackgroundColour(0xE0C090);
  documentProperties.SetDocumentTitle("Quarterly review");
  documentProperties.SetAuthor("A. Author");
  ok &= Shoot(documentProperties, dir, "document_properties");

  TPageProps pageProps;
  pageProps.SetPage("Results", "Part 2", "");
  ok &= Shoot(pageProps, dir, "page_properties");

  TOptions options;
  options.SetValues(OptionsValues{.SnapToGrid = true, .GridSize = 8});
  ok &= Shoot(options, dir, "options");

  TSO organiser;
  organiser.SetRows({{"Title page", false, false, "", "Title page", 0, 1},
                     {"Background", true, false, "", "", 1, 0},
                     {"Results", false, true, "Part 2", "", 2, 2}},
                    2);
  ok &= Shoot(organiser, dir, "slide_organiser");

  TForm6 goTo;
  goTo.SetPages({"Title page", "Background", "Results"}, 1);
  ok &= Shoot(goTo, dir, "go_to_page");

  TStencilProperties stencil;
  stencil.SetStencilName("Arrow box");
  stencil.SetObjectCount(3);
  stencil.SetIcons({Sample(Qt::darkCyan), Sample(Qt::darkYellow), Sample(Qt::darkMagenta)});
  stencil.SetIconIndex(1);
  ok &= Shoot(stencil, dir, "stencil_properties");

  TSelectFont font;
  font.SetFontTable(FontTable());
  font.SetSizes({"6", "8", "10", "11", "12", "13", "14", "16", "18", "20", "24", "30", "36", "48", "72"});
  font.SetSelection({1, 24000, FontSelection::ItalicBit});
  ok &= Shoot(font, dir, "select_font");

  TLog log;
  log.AddLine("Creating PDF header ...");
  log.AddLine("Creating font 1 ...");
  log.AddLine("Creating page 1 ...");
  ok &= Shoot(log, dir, "message_log");
  return ok ? 0 : 1;
}
