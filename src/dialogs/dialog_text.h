#pragma once

#include <QString>
#include <optional>
#include <string>

// Documents hold Windows-1252 text; the dialogs show QStrings. These convert at that edge.

QString FromDocumentText(const std::string& windows1252);

// The first character of `text` that Windows-1252 cannot hold, or nothing.
std::optional<QString> UnrepresentableCharacter(const QString& text);

// Throws std::invalid_argument when `text` holds a character Windows-1252 cannot hold;
// the dialogs refuse such characters as they are typed, so their fields never do.
std::string ToDocumentText(const QString& text);

// The message that refuses `character`, naming it and its code point.
QString RefusalMessage(const QString& character);

// Removes the "&" that marks an accelerator ("&&" stands for one "&").
QString WithoutAccelerator(const QString& caption);
