#include "cli/slide_images.h"

#include <QBuffer>
#include <QByteArray>
#include <QGuiApplication>
#include <QImage>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>

#include "model/quarrion_canvas.h"
#include "platform/qt/gui/slide_renderer.h"
#include "base/atomic_file_writer.h"

namespace {
// The tool reports its own errors in one line; Qt's notes about the environment (such as
// a missing runtime folder) would only clutter the error stream.
void QuietQtMessages(QtMsgType type, const QMessageLogContext&, const QString& message) {
  if (type == QtCriticalMsg || type == QtFatalMsg) std::fprintf(stderr, "%s\n", qPrintable(message));
}

// Text drawing needs a GUI application object; the command-line tool makes an off-screen
// one on first use.
void EnsureGuiApplication() {
  if (QGuiApplication::instance()) return;
  if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
  qInstallMessageHandler(QuietQtMessages);
  static int argc = 1;
  static char name[] = "quarrion-cli";
  static char* argv[] = {name, nullptr};
  static std::unique_ptr<QGuiApplication> app = std::make_unique<QGuiApplication>(argc, argv);
}
}  // namespace

bool WriteSlideImages(TQuarrionCanvas& canvas, const std::string& outDir, int width, TDrawMode mode,
                      std::string* error) {
  EnsureGuiApplication();
  std::error_code ec;
  std::filesystem::create_directories(outDir, ec);
  if (ec) {
    if (error) *error = "Could not create " + outDir + ": " + ec.message();
    return false;
  }
  int slide = 0;
  for (int page = 0; page < canvas.PageCount(); ++page) {
    if (canvas.Pages()[page].IsMaster) continue;
    ++slide;
    QImage image = RenderSlideToImage(canvas, page, width, mode);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    char name[32];
    std::snprintf(name, sizeof name, "slide-%03d.png", slide);
    std::string path = (std::filesystem::path(outDir) / name).string();
    std::string why;
    if (!image.save(&buffer, "PNG") ||
        !WriteFileAtomically(path, std::string_view(bytes.constData(), std::size_t(bytes.size())), &why)) {
      if (error) *error = "Could not write " + path + (why.empty() ? std::string() : ": " + why);
      return false;
    }
  }
  return true;
}
