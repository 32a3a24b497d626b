#pragma once

#include <QSettings>
#include <memory>

#include "shell/settings_store.h"

// The settings store over QSettings: organization "Kelvane", application "Quarrion",
// group "1.0" ($XDG_CONFIG_HOME/Kelvane/Quarrion.conf). QSettings tells names apart by
// case, so every name is first matched without regard to case against the names stored;
// a write replaces the stored value whatever the case of its name.
class QtSettingsStore : public SettingsStore {
 public:
  QtSettingsStore();
  // The same over the settings file at `path` (tests).
  explicit QtSettingsStore(const QString& path);

  bool KeyExists() const override;
  std::optional<std::string> ReadString(std::string_view name) const override;
  std::optional<std::int32_t> ReadInteger(std::string_view name) const override;
  std::optional<std::string> ReadBinary(std::string_view name) const override;
  void WriteString(std::string_view name, std::string_view value) override;
  void WriteInteger(std::string_view name, std::int32_t value) override;
  void WriteBinary(std::string_view name, std::string_view bytes) override;
  void RemoveValue(std::string_view name) override;
  bool Commit() override;

  static QString Group() { return QStringLiteral("1.0"); }

 private:
  // The stored name that matches `name` without regard to case, or `name` itself.
  QString StoredName(std::string_view name) const;
  QVariant Value(std::string_view name) const;
  void Write(std::string_view name, const QVariant& value);

  std::unique_ptr<QSettings> settings_;
};
