#include "drive_table_win32.h"

#include "../base/program_text_win32.h"
#include "../base/quiet_drive_errors_win32.h"
#include "../resources/ids.h"
#include "drive_source_win32.h"

uint16_t FillDriveTable(HWND, DriveTable& table, DriveList& list) {
    char freeOf[80];
    LoadText(IDS_FREE_OF, freeOf, sizeof freeOf);
    Win32DriveSource drives;
    QuietDriveErrors quiet; // a removable drive without medium is listed all the same
    return FillDriveTable(drives, freeOf, table, list);
}

uint32_t FillDriveCombo(HWND dialog, int controlId, const DriveList& list, uint16_t count, uint16_t key) {
    for (uint16_t i = 0; i < count && i < kDriveSlots; ++i) {
        SendDlgItemMessageA(dialog, controlId, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(list.item[i].text));
    }
    const uint32_t selection = SelectionForKey(list, count, key);
    SendDlgItemMessageA(dialog, controlId, CB_SETCURSEL, selection, 0);
    return selection;
}

uint16_t GetSelectedDriveKey(HWND dialog, int controlId, const DriveList& list) {
    const LRESULT selection = SendDlgItemMessageA(dialog, controlId, CB_GETCURSEL, 0, 0);
    return KeyAtSelection(list, static_cast<int32_t>(selection));
}
