// Load-time entry of the Windows builds, compiled into each DLL (the core and
// its companion). Neither has global state, so the only work is to turn off
// per-thread attach and detach notifications.
#if defined(_WIN32)
#define WIN32_LEAN_AND_MEAN
#include <windows.h>

extern "C" BOOL WINAPI DllMain(HINSTANCE module, DWORD reason, LPVOID /*reserved*/) {
  if (reason == DLL_PROCESS_ATTACH) DisableThreadLibraryCalls(module);
  return TRUE;
}
#endif
