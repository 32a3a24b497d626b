#include "model/environment_info.h"

#include <pwd.h>
#include <unistd.h>

#include <cstdlib>
#include <vector>

TEnvironmentInfo& EnvironmentInfo() {
  static TEnvironmentInfo info;
  return info;
}

std::string AccountUserName() {
  long size = sysconf(_SC_GETPW_R_SIZE_MAX);
  std::vector<char> buffer(size > 0 ? std::size_t(size) : 16384);
  passwd entry{};
  passwd* found = nullptr;
  if (getpwuid_r(getuid(), &entry, buffer.data(), buffer.size(), &found) == 0 && found &&
      found->pw_name && *found->pw_name)
    return found->pw_name;
  const char* user = std::getenv("USER");
  return user ? user : "";
}

std::string EffectiveUserName() {
  const std::string& name = EnvironmentInfo().UserName;
  return name.empty() ? AccountUserName() : name;
}
