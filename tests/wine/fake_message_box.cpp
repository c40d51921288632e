#include "../../app/program.h"
int ShowMessage(HWND, uint16_t, uint32_t) { return 1; }
