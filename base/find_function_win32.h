// A function looked up at run time, where older Windows lack it or a library is
// optional, rather than imported, which would keep the program from loading.
#ifndef TARVEX_BASE_FIND_FUNCTION_WIN32_H
#define TARVEX_BASE_FIND_FUNCTION_WIN32_H

#include <windows.h>

// The function of that name in the module, typed; null when either is missing.
template <typename Function>
Function FindFunction(HMODULE module, const char* name) {
    if (module == nullptr) return nullptr;
    // Through void*, as the platform's untyped result converts to no function type directly.
    return reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(module, name)));
}

#endif
