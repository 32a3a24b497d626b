// Writes a picture of each small dialog at its default size, filled with sample values,
// to OUTDIR/<name>.png, so a person can look at the layouts without running the designer.
#include <QApplication>
#include <QDir>
#include <QIcon>
#include <QPixmap>
#include <cstdio>

#include <QImage>
#include <QTemporaryDir>

#include "dialogs/document_properties_dialog.h"
#include "dialogs/gradient_props_dialog.h"
#include "dialogs/object_properties_dialog.h"
#include "objects/annot.h"
#include "objects/gradient.h"
#include "objects/image.h"
#include "objects/rectangle.h"
#include "text/text.h"
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

// Object Properties on one object of each kind with a page of its own, over a page that
// also shows a title.
bool ShootObjectProperties(const QDir& dir) {
  QTemporaryDir pictures;
  const QString picture = pictures.filePath(QStringLiteral("sunset.png"));
  QImage sample(200, 100, QImage::Format_RGB32);
  sample.fill(QColor(230, 160, 60));
  sample.save(picture);

  TQuarrionCanvas main;
  main.DocumentInfo.Background = 0xF0E8E0;
  main.Add(std::make_unique<TPDFText>(TTextFont{0, 24000, 1}, "Quarterly review", 40, 20, 392, 60));
  auto rect = std::make_unique<TPDFRectangle>(60, 90, 220, 200);
  rect->FillColour = 0xC08040;
  rect->Shadow = true;
  auto text = std::make_unique<TPDFText>(TTextFont{}, "Sales <b>rose</b> on <#date>.\r\n&lt;3 of <jump page=2>them</jump>", 60, 220, 380, 300);
  auto image = std::make_unique<TPDFImage>(240, picture.toStdString(), 90);
  auto link = std::make_unique<TPDFAnnot>(300, 240, 380, 290);
  link->Destination.Page = -1;
  std::unique_ptr<TPDFObject> objects[] = {std::move(rect), std::move(text), std::move(image), std::move(link)};
  const char* names[] = {"object_properties_rectangle", "object_properties_text", "object_properties_image",
                         "object_properties_link"};
  bool ok = true;
  for (int i = 0; i < 4; ++i) {
    main.Add(std::move(objects[i]));  // selects just the object added
    TForm2 dialog;
    dialog.Fill(main);
    ok &= Shoot(dialog, dir, names[i]);
  }
  return ok;
}

bool ShootColourProperties(const QDir& dir) {
  TGradProps colours;
  colours.SetColour(0x3080E0);
  bool ok = Shoot(colours, dir, "colour_properties_solid");
  TPDFGradient gradient(0, 0, 0, 0);
  gradient.Start.Colour = 0x00C0FF;
  gradient.End.Colour = 0x802000;
  gradient.Start.X = 0.2;
  gradient.End.X = 0.9;
  gradient.End.Y = 0.8;
  colours.SetGradientAllowed(true);
  colours.SetGradient(&gradient);
  colours.ShowGradientPanel(true);
  ok &= Shoot(colours, dir, "colour_properties_gradient");
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

  ok &= ShootObjectProperties(dir);
  ok &= ShootColourProperties(dir);
  return ok ? 0 : 1;
}
