#include "program_text_win32.h"

int ShowMessage(HWND owner, uint16_t stringId, uint32_t flags) {
    char text[kCaptionSize];
    LoadText(stringId, text, sizeof text);
    return MessageBoxA(owner, text, programCaption, flags);
}
