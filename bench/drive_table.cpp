#include "drive_table.h"

#include "../base/bounded_text.h"
#include "drive_source.h"

namespace {

constexpr uint32_t kRemovable = 2;
constexpr uint32_t kFixed = 3;
// Every letter as "X:\" and its terminator, and the final terminator.
constexpr uint32_t kDriveStringsSize = 26 * 4 + 1;

// The position behind the root string at position and its terminator.
uint32_t PastRoot(const char* roots, uint32_t length, uint32_t position) {
    while (position < length && roots[position] != '\0') ++position;
    return position + 1;
}

uint32_t FloppyCount(uint32_t mask) {
    return (mask & 1u) + ((mask >> 1) & 1u);
}

void FillSlot(DriveSource& drives, const char* root, const char* freeOf, DriveEntry& entry, DriveListItem& item) {
    char label[80] = "";
    if (!drives.VolumeLabel(root, label, sizeof label)) label[0] = '\0';

    uint64_t freeBytes = 0;
    uint64_t totalBytes = 0;
    if (!drives.DiskSpace(root, freeBytes, totalBytes)) freeBytes = totalBytes = 0;
    entry.freeBytes = freeBytes;

    BoundedText(item.rootPath, kRootPathSize).Add(root).RemoveLast(); // the backslash

    BoundedText(item.text, kDriveTextSize)
        .Add(label).Add("(").Add(item.rootPath).Add(") ")
        .Add(freeBytes >> 20).Add("MB ").Add(freeOf).Add(" ")
        .Add(totalBytes >> 20).Add("MB");
}

} // namespace

uint16_t FillDriveTable(DriveSource& drives, const char* freeOf, DriveTable& table, DriveList& list) {
    char roots[kDriveStringsSize] = {};
    uint32_t length = drives.DriveStrings(roots, sizeof roots);
    // Every letter fits; a platform that asks for more has written nothing.
    if (length >= sizeof roots) length = 0;

    uint32_t position = 0;
    for (uint32_t skip = FloppyCount(drives.DriveMask()); skip > 0; --skip) {
        position = PastRoot(roots, length, position);
    }

    if (list.item[0].text[0] != kUnfilledMarker) return 0;

    uint16_t count = 0;
    while (count < kDriveSlots && position < length) {
        const char* root = roots + position;
        position = PastRoot(roots, length, position);

        DriveEntry& entry = table.entry[count];
        entry.driveType = drives.DriveType(root);
        if (entry.driveType != kRemovable && entry.driveType != kFixed) continue;
        FillSlot(drives, root, freeOf, entry, list.item[count]);
        ++count;
    }
    return count;
}

uint32_t SelectionForKey(const DriveList& list, uint32_t count, uint16_t key) {
    uint32_t selection = 0;
    for (uint32_t i = 0; i < count && i < kDriveSlots; ++i) {
        if (list.item[i].key == key) selection = i;
    }
    return selection;
}

uint16_t KeyAtSelection(const DriveList& list, int32_t selection) {
    if (selection <= 0 || selection >= static_cast<int32_t>(kDriveSlots)) return list.item[0].key;
    return list.item[selection].key;
}

void TestFileName(const char* rootPath, char (&name)[kTestFileNameSize]) {
    BoundedText(name, kTestFileNameSize).Add(rootPath).Add("\\VELKTRVX.DAT");
}
