#pragma once

#include <QString>

// Where the designer keeps its files on this system: the user's documents folder holds
// the three document folders, the application data folder the stencils and plug-ins.
// Every folder path ends with "/".
namespace AppFolders {
QString Documents();
QString PdfDocuments();
QString SvgDocuments();
QString Plugins();
QString Data();
// Makes `folder` and its missing parents; false when it cannot be made.
bool Make(const QString& folder);
// `folder` with exactly one trailing "/".
QString WithSlash(const QString& folder);
}  // namespace AppFolders
