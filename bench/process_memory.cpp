#include "process_memory.h"

#include <cstdio>
#include <cstring>

ProcessMemory ReadProcessMemory() {
  ProcessMemory m;
  std::FILE* f = std::fopen("/proc/self/status", "r");
  if (!f) return m;
  char line[256];
  while (std::fgets(line, sizeof line, f)) {
    if (std::strncmp(line, "VmRSS:", 6) == 0) std::sscanf(line + 6, "%lld", &m.ResidentKB);
    if (std::strncmp(line, "VmHWM:", 6) == 0) std::sscanf(line + 6, "%lld", &m.PeakKB);
  }
  std::fclose(f);
  return m;
}

bool ResetPeakMemory() {
  std::FILE* f = std::fopen("/proc/self/clear_refs", "w");
  if (!f) return false;
  const bool written = std::fputs("5", f) >= 0;
  return std::fclose(f) == 0 && written;
}
