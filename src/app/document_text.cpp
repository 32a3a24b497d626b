#include "app/document_text.h"

#include <QList>

#include "model/windows1252.h"

QString FromDocumentText(const std::string& bytes) {
  return QString::fromStdString(Windows1252ToUtf8(bytes));
}

std::optional<std::string> ToDocumentText(const QString& text, QString* refused) {
  const QByteArray utf8 = text.toUtf8();
  std::size_t badOffset = 0;
  auto bytes = Utf8ToWindows1252(std::string_view(utf8.constData(), std::size_t(utf8.size())), &badOffset);
  if (bytes) return bytes;
  if (refused) {
    // The offset points at the first byte of the character; read that one character.
    const QString rest = QString::fromUtf8(utf8.constData() + badOffset, utf8.size() - qsizetype(badOffset));
    const bool pair = rest.size() > 1 && rest.at(0).isHighSurrogate();
    *refused = rest.left(pair ? 2 : 1);
  }
  return std::nullopt;
}

QString RefusedCharacterMessage(const QString& character) {
  const char32_t code = character.isEmpty() ? 0 : character.toUcs4().value(0);
  const QString hex = QString::number(uint(code), 16).toUpper().rightJustified(4, QLatin1Char('0'));
  return QStringLiteral("The character \"%1\" (U+%2) cannot be stored in a Quarrion document.")
      .arg(character, hex);
}
