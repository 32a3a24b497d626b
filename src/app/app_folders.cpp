#include "app/app_folders.h"

#include <QDir>
#include <QStandardPaths>

namespace {
QString UnderDocuments(const char* name) {
  const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
  return AppFolders::WithSlash(QDir(documents).filePath(QStringLiteral("Quarrion/") + QLatin1String(name)));
}
}  // namespace

namespace AppFolders {
QString WithSlash(const QString& folder) {
  QString f = folder;
  while (f.size() > 1 && f.endsWith(QLatin1Char('/'))) f.chop(1);
  return f.endsWith(QLatin1Char('/')) ? f : f + QLatin1Char('/');
}

QString Documents() { return UnderDocuments("Saved Documents"); }
QString PdfDocuments() { return UnderDocuments("Saved PDF Documents"); }
QString SvgDocuments() { return UnderDocuments("Saved SVG Documents"); }

QString Data() {
  return WithSlash(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation));
}

QString Plugins() { return WithSlash(Data() + QStringLiteral("Plugins")); }

bool Make(const QString& folder) { return QDir().mkpath(folder); }
}  // namespace AppFolders
