#include "shell/recovery_settings.h"

#include <algorithm>

#include "shell/settings_store.h"

namespace RecoverySettings {
int ReadInterval(const SettingsStore& store) {
  const auto value = store.ReadInteger(IntervalName);
  if (!value || *value < 0) return DefaultInterval;
  return std::min(int(*value), MaxInterval);
}

void WriteInterval(SettingsStore& store, int seconds) {
  store.WriteInteger(IntervalName, std::clamp(seconds, 0, MaxInterval));
}
}  // namespace RecoverySettings
