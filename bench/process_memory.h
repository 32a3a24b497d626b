#pragma once

// This process's resident memory from /proc/self/status, in kilobytes (0 when unreadable).
struct ProcessMemory {
  long long ResidentKB = 0;  // VmRSS: now
  long long PeakKB = 0;      // VmHWM: the most since start or the last ResetPeakMemory
};
ProcessMemory ReadProcessMemory();

// Starts the peak over from the present resident size (Linux: clear_refs 5); false when
// the kernel refused, in which case the peak still counts from the start.
bool ResetPeakMemory();
