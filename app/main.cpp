// Start-up. Until the main dialog exists, the program shows what it knows of the
// drives in a message box.
#include <windows.h>

#include "../base/bounded_text.h"
#include "../bench/drive_table_win32.h"
#include "../resources/ids.h"
#include "program.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    LoadText(IDS_PROGRAM_CAPTION, programCaption, sizeof programCaption);
    const uint16_t count = FillDriveTable(nullptr);

    char drives[kDriveSlots * kDriveTextSize];
    BoundedText text(drives, sizeof drives);
    for (uint16_t i = 0; i < count; ++i) text.Add(driveList.item[i].text).Add("\n");
    MessageBoxA(nullptr, drives, programCaption, MB_OK);
    return 0;
}
