#pragma once

#include <QStringList>

// The document paths among the program's arguments, in order: arguments that begin with
// "-" or "+" are switches and skipped. An argument that begins with "/" is an absolute
// path here, not a switch.
QStringList DocumentArguments(const QStringList& arguments);

// What `--help` and `--version` print.
QString UsageText();
QString VersionText();
