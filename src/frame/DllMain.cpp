// Windows entry point. The library keeps no per-thread state, so on process attach it
// asks the loader not to call it for every thread that starts or ends; for every other
// reason it has nothing to do and reports success.
#if defined(_WIN32)
#define WIN32_LEAN_AND_MEAN
#include <windows.h>

extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID /*reserved*/) {
  if (reason == DLL_PROCESS_ATTACH) {
    DisableThreadLibraryCalls(instance);
  }
  return TRUE;
}
#endif
