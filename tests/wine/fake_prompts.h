// The Wine test program's stand-ins for the message box and help helpers: they
// record what would have been shown or asked for, and answer as told, so that
// no box or help viewer blocks a test.
#ifndef TARVEX_TESTS_WINE_FAKE_PROMPTS_H
#define TARVEX_TESTS_WINE_FAKE_PROMPTS_H

#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

struct RecordedMessage {
    HWND owner;
    std::string text;
    uint32_t flags;
};

struct HelpRequest {
    HWND window;
    UINT command;
};

extern std::vector<RecordedMessage> recordedMessages;
extern int messageAnswer;
extern std::vector<HelpRequest> helpRequests;

#endif
