#pragma once

#include <QString>
#include <optional>
#include <string>

// Text crosses between the GUI (Unicode) and the document (Windows-1252) here.

QString FromDocumentText(const std::string& bytes);
// The Windows-1252 bytes of `text`, or nothing when a character cannot be held; `refused`
// then receives the first such character.
std::optional<std::string> ToDocumentText(const QString& text, QString* refused = nullptr);
// The message that names a refused character.
QString RefusedCharacterMessage(const QString& character);
