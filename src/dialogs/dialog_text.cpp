#include "dialogs/dialog_text.h"

#include <stdexcept>

#include "model/windows1252.h"

QString FromDocumentText(const std::string& windows1252) {
  return QString::fromStdString(Windows1252ToUtf8(windows1252));
}

std::optional<QString> UnrepresentableCharacter(const QString& text) {
  // Walk by code point so a character outside the BMP is named whole.
  for (qsizetype i = 0; i < text.size();) {
    const qsizetype length = text.at(i).isHighSurrogate() && i + 1 < text.size() ? 2 : 1;
    const QString character = text.mid(i, length);
    if (character.at(0).isSurrogate() && length == 1) return character;
    if (!Utf8ToWindows1252(character.toStdString())) return character;
    i += length;
  }
  return std::nullopt;
}

std::string ToDocumentText(const QString& text) {
  auto bytes = Utf8ToWindows1252(text.toStdString());
  if (!bytes) throw std::invalid_argument("text not representable in Windows-1252");
  return *bytes;
}

QString RefusalMessage(const QString& character) {
  const char32_t code = character.size() == 2 ? QChar::surrogateToUcs4(character[0], character[1])
                                              : char32_t(character.at(0).unicode());
  const QString hex = QString::number(uint(code), 16).toUpper().rightJustified(4, QLatin1Char('0'));
  return QStringLiteral("The character \"%1\" (U+%2) cannot be stored in a Quarrion document.")
      .arg(character, hex);
}

QString WithoutAccelerator(const QString& caption) {
  QString result;
  for (qsizetype i = 0; i < caption.size(); ++i) {
    if (caption[i] == QLatin1Char('&') && i + 1 < caption.size()) ++i;
    result.append(caption[i]);
  }
  return result;
}
