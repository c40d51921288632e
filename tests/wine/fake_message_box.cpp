#include "fake_message_box.h"

#include "../../app/program.h"

std::vector<RecordedMessage> recordedMessages;
int messageAnswer = IDOK;

int ShowMessage(HWND owner, uint16_t stringId, uint32_t flags) {
    char text[kCaptionSize];
    LoadText(stringId, text, sizeof text);
    recordedMessages.push_back({owner, text, flags});
    return messageAnswer;
}
