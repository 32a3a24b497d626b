/* Quarrion plug-in interface.
 *
 * A plug-in is a shared library named "*.qmx" in the plug-ins folder. At start-up the
 * program loads every one (sorted by file name) and looks up these exports, all optional,
 * calling the ones present in this order:
 *
 *   Initialise             false refuses loading: the library is unloaded and forgotten
 *   GetPluginInfo          fills a 512-byte block: the plug-in's name as one length byte and
 *                          up to 255 Windows-1252 characters, then 256 bytes of its own
 *   SetForm                the designer's main window (null in quarrion-cli)
 *   SetResourceManager     the resource store of the document (null in quarrion-cli)
 *   SetLookupTableManager  the class registry of the process, where object kinds register
 *
 * The three objects are C++ objects of the running program; a plug-in that takes one of
 * them is built against the program's headers (the CMake target Quarrion::PluginSdk) and
 * must state the interface version it was built for with QUARRION_PLUGIN_VERSION, or it is
 * refused. The program calls no plug-in code after start-up; a plug-in's library stays
 * mapped until the process ends, because the kinds it registers outlive the main window.
 */
#ifndef QUARRION_PLUGIN_H
#define QUARRION_PLUGIN_H

/* Raised whenever a class handed to plug-ins changes in a way that breaks them. */
#define QUARRION_PLUGIN_INTERFACE_VERSION 1

#define QUARRION_PLUGIN_INFO_SIZE 512

#if defined(_WIN32)
#define QUARRION_PLUGIN_EXPORT __declspec(dllexport)
#else
#define QUARRION_PLUGIN_EXPORT __attribute__((visibility("default")))
#endif

#ifdef __cplusplus
class MainWindow;
class TResourceManager;
class TLookupTableManager;
#define QUARRION_EXTERN_C extern "C"
#else
#include <stdbool.h>
typedef struct MainWindow MainWindow;
typedef struct TResourceManager TResourceManager;
typedef struct TLookupTableManager TLookupTableManager;
#define QUARRION_EXTERN_C
#endif

/* The signatures of the five exports, as the program calls them. */
typedef bool (*QuarrionInitialiseFn)(void);
typedef void (*QuarrionGetPluginInfoFn)(unsigned char* info /* QUARRION_PLUGIN_INFO_SIZE bytes */);
typedef void (*QuarrionSetFormFn)(MainWindow* form);
typedef void (*QuarrionSetResourceManagerFn)(TResourceManager* resources);
typedef void (*QuarrionSetLookupTableManagerFn)(TLookupTableManager* registry);
/* The version export: its name and signature. */
#define QUARRION_PLUGIN_VERSION_SYMBOL "QuarrionPluginInterfaceVersion"
typedef int (*QuarrionPluginInterfaceVersionFn)(void);

/* Write this once in a plug-in that takes any of the program's objects. */
#define QUARRION_PLUGIN_VERSION                                                          \
  QUARRION_EXTERN_C QUARRION_PLUGIN_EXPORT int QuarrionPluginInterfaceVersion(void) {    \
    return QUARRION_PLUGIN_INTERFACE_VERSION;                                            \
  }

#endif /* QUARRION_PLUGIN_H */
