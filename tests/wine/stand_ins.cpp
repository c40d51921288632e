// The stand-ins the code under test calls in place of the message box and help
// helpers, and of three of the platform's file functions, whose imports the
// linker takes from here before the import library's: those note what they were
// asked, then call the platform.
#include <windows.h>

#include "../../base/find_function_win32.h"
#include "../../base/help_win32.h"
#include "../../base/program_text_win32.h"
#include "harness.h"

int ShowMessage(HWND owner, uint16_t stringId, uint32_t flags) {
    char text[kCaptionSize];
    LoadText(stringId, text, sizeof text);
    recordedMessages.push_back({owner, text, flags});
    return messageAnswer;
}

void RequestHelp(HWND, UINT command) {
    helpCommands.push_back(command);
}

namespace {

template <typename Function> Function Kernel32(const char* function) {
    return FindFunction<Function>(GetModuleHandleA("kernel32"), function);
}

// The file searched for or deleted, and whether the system's drive boxes were on.
void NoteFile(const char* name) {
    const bool boxes = (GetErrorMode() & SEM_FAILCRITICALERRORS) == 0;
    fileCalls += (fileCalls.empty() ? "" : ", ") + std::string(name) + (boxes ? " (boxes on)" : "");
}

HFILE WINAPI NotedOpenFile(LPCSTR name, LPOFSTRUCT found, UINT style) {
    NoteFile(name);
    return Kernel32<decltype(&OpenFile)>("OpenFile")(name, found, style);
}

BOOL WINAPI NotedDeleteFile(LPCSTR name) {
    NoteFile(name);
    return Kernel32<decltype(&DeleteFileA)>("DeleteFileA")(name);
}

HANDLE WINAPI NotedCreateFile(LPCSTR name, DWORD access, DWORD sharing, LPSECURITY_ATTRIBUTES security,
                              DWORD disposition, DWORD flags, HANDLE model) {
    createFileFlags = flags;
    return Kernel32<decltype(&CreateFileA)>("CreateFileA")(name, access, sharing, security, disposition, flags, model);
}

} // namespace

// The import slots' names: 32-bit ones carry stdcall's decoration with the
// bytes of arguments, x64 has one calling convention and none.
#ifdef _WIN64
#define IMPORT_NAME(function, argumentBytes) "__imp_" #function
#else
#define IMPORT_NAME(function, argumentBytes) "__imp__" #function "@" #argumentBytes
#endif

extern "C" {
decltype(&OpenFile) openFileImport __asm__(IMPORT_NAME(OpenFile, 12)) = NotedOpenFile;
decltype(&DeleteFileA) deleteFileImport __asm__(IMPORT_NAME(DeleteFileA, 4)) = NotedDeleteFile;
decltype(&CreateFileA) createFileImport __asm__(IMPORT_NAME(CreateFileA, 28)) = NotedCreateFile;
}
