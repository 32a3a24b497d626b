#include "app/qt_settings_store.h"

#include <QFileInfo>

namespace {
QString Name(std::string_view name) { return QString::fromUtf8(name.data(), qsizetype(name.size())); }
}  // namespace

QtSettingsStore::QtSettingsStore()
    : settings_(std::make_unique<QSettings>(QStringLiteral("Kelvane"), QStringLiteral("Quarrion"))) {
  settings_->beginGroup(Group());
}

QtSettingsStore::QtSettingsStore(const QString& path)
    : settings_(std::make_unique<QSettings>(path, QSettings::NativeFormat)) {
  settings_->beginGroup(Group());
}

bool QtSettingsStore::KeyExists() const { return !settings_->childKeys().isEmpty(); }

QString QtSettingsStore::StoredName(std::string_view name) const {
  const QString wanted = Name(name);
  for (const QString& key : settings_->childKeys())
    if (key.compare(wanted, Qt::CaseInsensitive) == 0) return key;
  return wanted;
}

QVariant QtSettingsStore::Value(std::string_view name) const {
  return settings_->value(StoredName(name));
}

std::optional<std::string> QtSettingsStore::ReadString(std::string_view name) const {
  const QVariant v = Value(name);
  if (!v.isValid() || v.typeId() == QMetaType::QByteArray) return std::nullopt;
  return v.toString().toStdString();
}

// The file keeps no types: an integer is text that reads completely as a 32-bit number.
std::optional<std::int32_t> QtSettingsStore::ReadInteger(std::string_view name) const {
  const QVariant v = Value(name);
  if (!v.isValid() || v.typeId() == QMetaType::QByteArray) return std::nullopt;
  bool ok = false;
  const int value = v.toString().trimmed().toInt(&ok);
  if (!ok) return std::nullopt;
  return std::int32_t(value);
}

std::optional<std::string> QtSettingsStore::ReadBinary(std::string_view name) const {
  const QVariant v = Value(name);
  if (v.typeId() != QMetaType::QByteArray) return std::nullopt;
  return v.toByteArray().toStdString();
}

void QtSettingsStore::Write(std::string_view name, const QVariant& value) {
  const QString stored = StoredName(name);
  if (stored != Name(name)) settings_->remove(stored);
  settings_->setValue(Name(name), value);
}

void QtSettingsStore::WriteString(std::string_view name, std::string_view value) {
  Write(name, QString::fromUtf8(value.data(), qsizetype(value.size())));
}

void QtSettingsStore::WriteInteger(std::string_view name, std::int32_t value) {
  Write(name, int(value));
}

void QtSettingsStore::WriteBinary(std::string_view name, std::string_view bytes) {
  Write(name, QByteArray(bytes.data(), qsizetype(bytes.size())));
}

void QtSettingsStore::RemoveValue(std::string_view name) { settings_->remove(StoredName(name)); }

bool QtSettingsStore::Commit() {
  settings_->sync();
  return settings_->status() == QSettings::NoError && settings_->isWritable();
}
