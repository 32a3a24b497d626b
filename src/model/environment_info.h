#pragma once

#include <string>

// The program options kept in the settings (read at start, written at exit).
struct TEnvironmentInfo {
  std::string UserName;  // becomes the Author of new documents; shown by the text tag "#user"
  bool ShowPDFOnExport = true;
  bool ConfirmDelete = true;
  bool ShowPropsOnStencilDblClick = true;
  bool ShowDocPropsOnNew = false;
  bool ShowTooltips = true;
};

// The one record of the running program.
TEnvironmentInfo& EnvironmentInfo();

// The account name of the person running the program (the password database, then
// $USER), or "" when neither knows it.
std::string AccountUserName();
// UserName of the settings, or the account name when the settings hold none.
std::string EffectiveUserName();
