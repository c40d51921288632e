#include "fake_prompts.h"

#include "../../app/program.h"
#include "../../base/help_win32.h"

std::vector<RecordedMessage> recordedMessages;
int messageAnswer = IDOK;
std::vector<HelpRequest> helpRequests;

int ShowMessage(HWND owner, uint16_t stringId, uint32_t flags) {
    char text[kCaptionSize];
    LoadText(stringId, text, sizeof text);
    recordedMessages.push_back({owner, text, flags});
    return messageAnswer;
}

void RequestHelp(HWND window, UINT command) {
    helpRequests.push_back({window, command});
}
