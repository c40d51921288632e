// The drive table and the drive combo box of the dialog.
#ifndef TARVEX_BENCH_DRIVE_TABLE_WIN32_H
#define TARVEX_BENCH_DRIVE_TABLE_WIN32_H

#include <windows.h>

#include "drive_table.h"

// Fills the drive table and list from the machine's drives.
uint16_t FillDriveTable(HWND dialog, DriveTable& table, DriveList& list);

// Adds the texts of the first count items to the combo box and selects the item with key.
uint32_t FillDriveCombo(HWND dialog, int controlId, const DriveList& list, uint16_t count, uint16_t key);

// The key of the combo box's selected item.
uint16_t GetSelectedDriveKey(HWND dialog, int controlId, const DriveList& list);

#endif
