#include "app/command_line.h"

QStringList DocumentArguments(const QStringList& arguments) {
  QStringList paths;
  for (const QString& argument : arguments)
    if (!argument.startsWith(QLatin1Char('-')) && !argument.startsWith(QLatin1Char('+')))
      paths << argument;
  return paths;
}

QString UsageText() {
  return QStringLiteral(
      "Usage: quarrion [OPTIONS] [DOCUMENT.qsl ...]\n"
      "Quarrion, the slide-show designer. Opens the first document that loads.\n"
      "\n"
      "  --help     show this text and exit\n"
      "  --version  show the version and exit\n"
      "\n"
      "Other arguments beginning with \"-\" or \"+\" are ignored.\n");
}

QString VersionText() { return QStringLiteral("Quarrion 1.0\n"); }
