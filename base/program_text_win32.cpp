#include "program_text_win32.h"

char programCaption[kCaptionSize];

void LoadText(uint16_t stringId, char* buffer, int size) {
    if (LoadStringA(GetModuleHandleA(nullptr), stringId, buffer, size) <= 0) buffer[0] = '\0';
}
