// Small plug-ins for the loader's tests, one per KIND.
#include <cstring>

#include "quarrion/plugin.h"

#if defined(KIND_BARE)
// None of the five names: loaded all the same, listed under its file name.
extern "C" QUARRION_PLUGIN_EXPORT int NothingTheProgramAsksFor(void) { return 7; }

#elif defined(KIND_REFUSING)
extern "C" QUARRION_PLUGIN_EXPORT bool Initialise(void) { return false; }
extern "C" QUARRION_PLUGIN_EXPORT void GetPluginInfo(unsigned char* info) {
  std::memset(info, 0, QUARRION_PLUGIN_INFO_SIZE);
  info[0] = 7;
  std::memcpy(info + 1, "Refuser", 7);
}

#elif defined(KIND_OTHER_VERSION)
// Built for an interface this program does not offer.
extern "C" QUARRION_PLUGIN_EXPORT int QuarrionPluginInterfaceVersion(void) {
  return QUARRION_PLUGIN_INTERFACE_VERSION + 1;
}
extern "C" QUARRION_PLUGIN_EXPORT void SetForm(MainWindow*) {}

#elif defined(KIND_UNVERSIONED)
// Takes the main window without saying what it was built against.
extern "C" QUARRION_PLUGIN_EXPORT void SetForm(MainWindow*) {}

#elif defined(KIND_NAMED)
QUARRION_PLUGIN_VERSION
extern "C" QUARRION_PLUGIN_EXPORT bool Initialise(void) { return true; }
extern "C" QUARRION_PLUGIN_EXPORT void GetPluginInfo(unsigned char* info) {
  std::memset(info, 0, QUARRION_PLUGIN_INFO_SIZE);
  info[0] = 11;
  std::memcpy(info + 1, "Named \xC9tude", 11);  // Windows-1252 E acute
}
extern "C" QUARRION_PLUGIN_EXPORT void SetLookupTableManager(TLookupTableManager*) {}
#endif
