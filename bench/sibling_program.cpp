#include "sibling_program.h"

#include <unistd.h>

#include <cstdio>
#include <cstring>
#include <filesystem>

std::string SelfPath() {
  std::error_code error;
  return std::filesystem::read_symlink("/proc/self/exe", error).string();
}

std::map<std::string, double> RunSibling(const std::string& relativePath, const std::string& args) {
  std::map<std::string, double> figures;
  const std::filesystem::path program = std::filesystem::path(SelfPath()).parent_path() / relativePath;
  if (::access(program.c_str(), X_OK) != 0) {
    std::printf("  (%s is not built)\n", program.c_str());
    return figures;
  }
  // Appended piece by piece: GCC 12 -O3 misreports -Wrestrict on the chained form.
  std::string command(1, '\'');
  command.append(program.string()).append("' ").append(args);
  std::FILE* pipe = ::popen(command.c_str(), "r");
  if (!pipe) return figures;
  char line[512];
  while (std::fgets(line, sizeof line, pipe)) {
    char name[128];
    double value = 0;
    if (std::sscanf(line, "figure: %127s %lf", name, &value) == 2)
      figures[name] = value;
    else
      std::printf("  %s", line);
  }
  if (::pclose(pipe) != 0) {
    std::printf("  (%s failed)\n", program.c_str());
    figures.clear();
  }
  return figures;
}
