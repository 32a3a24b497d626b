#pragma once

class SettingsStore;

// How often a modified document is copied for recovery: the settings value
// "Recovery Interval", in seconds. It stands outside the designed reading order of the
// other settings, so a missing value never stops their reading.
namespace RecoverySettings {
inline constexpr char IntervalName[] = "Recovery Interval";
inline constexpr int DefaultInterval = 60;
// A day: longer intervals are typing slips, and the timer counts milliseconds in an int.
inline constexpr int MaxInterval = 86400;

// The stored interval; 0 turns copying off. A missing, mistyped or negative value gives the
// default; one above a day gives a day.
int ReadInterval(const SettingsStore& store);
void WriteInterval(SettingsStore& store, int seconds);
}  // namespace RecoverySettings
