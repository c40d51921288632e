// The Wine test program's stand-in for the message box helper: it records what
// would have been shown and answers as told, so no box blocks a test.
#ifndef TARVEX_TESTS_WINE_FAKE_MESSAGE_BOX_H
#define TARVEX_TESTS_WINE_FAKE_MESSAGE_BOX_H

#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

struct RecordedMessage {
    HWND owner;
    std::string text;
    uint32_t flags;
};

extern std::vector<RecordedMessage> recordedMessages;
extern int messageAnswer;

#endif
