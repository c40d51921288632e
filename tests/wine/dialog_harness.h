// What the Wine tests share: files named from the environment or in the Windows
// folder, the message pump, and the stand-ins for the message box and help
// helpers, which record what would have been shown or asked for and answer as
// told, so that no box or help viewer blocks a test.
#ifndef TARVEX_TESTS_WINE_DIALOG_HARNESS_H
#define TARVEX_TESTS_WINE_DIALOG_HARNESS_H

#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

// A file named by its Linux path in an environment variable, as Wine shows it on drive Z:.
std::string FromEnvironment(const char* variable);

// The whole content of a file; empty when it cannot be read.
std::string ReadAll(const std::string& path);

// A file in the Windows folder.
std::string WindowsFile(const char* name);

// Delivers what is posted, as the modal loop would; drops quit messages.
void PumpMessages();

struct RecordedMessage {
    HWND owner;
    std::string text;
    uint32_t flags;
};

extern std::vector<RecordedMessage> recordedMessages;
extern int messageAnswer;
extern std::vector<UINT> helpCommands;

#endif
