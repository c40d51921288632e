// The drive table (what is known and measured per drive) and the drive list
// (the combo box texts and root paths), five slots each, in the same order.
#ifndef TARVEX_BENCH_DRIVE_TABLE_H
#define TARVEX_BENCH_DRIVE_TABLE_H

#include <cstdint>

constexpr uint16_t kDriveSlots = 5;

struct DriveEntry {
    uint32_t tested;          // 1 once a test of this drive went through both phases
    uint64_t freeBytes;       // at enumeration; 64 bits so that drives beyond 4 GB come out right
    uint32_t driveType;       // 2 removable, 3 fixed
    uint32_t writeRate;       // kB/s
    uint32_t readRate;        // kB/s
    uint32_t reachableRate;   // kB/s
    uint32_t compression;     // needed ratio at full frame, times ten
    uint16_t formatClass;     // 0 LOW, 1 MID, 2 HIGH
    uint32_t testFileCreated; // a test created the drive's test file, whatever came of it
};

struct DriveTable {
    DriveEntry entry[kDriveSlots];
};

constexpr uint32_t kDriveTextSize = 43; // 42 characters and the terminator
constexpr uint32_t kRootPathSize = 24;  // 23 characters and the terminator
constexpr char kUnfilledMarker = '@';

struct DriveListItem {
    uint16_t key; // its own position, which is also the index of its DriveEntry
    char text[kDriveTextSize];
    char rootPath[kRootPathSize]; // "D:", without the backslash
};

struct DriveList {
    DriveListItem item[kDriveSlots];
};

// The list before filling: keys are positions, item 0 carries the marker.
constexpr DriveList EmptyDriveList() {
    DriveList list{};
    for (uint16_t i = 0; i < kDriveSlots; ++i) list.item[i].key = i;
    list.item[0].text[0] = kUnfilledMarker;
    return list;
}

class DriveSource;

// Fills the table and the list once, from the removable and fixed drives past
// A: and B:; returns how many items were filled, or 0 when filled before.
uint16_t FillDriveTable(DriveSource& drives, const char* freeOf, DriveTable& table, DriveList& list);

// The combo box position that FillDriveCombo selects: the last of the first
// count items whose key equals key, else 0.
uint32_t SelectionForKey(const DriveList& list, uint32_t count, uint16_t key);

// The key of the item at a combo box selection; none or the first gives item 0's key.
uint16_t KeyAtSelection(const DriveList& list, int32_t selection);

// "%s\VELKTRVX.DAT" of the root path, the file a test writes and reads.
constexpr uint32_t kTestFileNameSize = 72;
void TestFileName(const char* rootPath, char (&name)[kTestFileNameSize]);

#endif
