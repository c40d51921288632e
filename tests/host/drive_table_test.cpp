#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <stdexcept>
#include <string>
#include <vector>

#include "../../bench/drive_source.h"
#include "../../bench/drive_table.h"

namespace {

constexpr uint32_t kRemovable = 2;
constexpr uint32_t kFixed = 3;
constexpr uint32_t kCdRom = 5;
constexpr uint64_t kMb = 1 << 20;

struct FakeDrive {
    char letter; uint32_t type; std::string label; uint64_t freeBytes, totalBytes;
    bool readable = true; // its volume information and sizes can be had
};

class FakeDrives final : public DriveSource {
public:
    std::vector<FakeDrive> drives;

    uint32_t DriveStrings(char* buffer, uint32_t size) override {
        std::string text;
        for (const FakeDrive& drive : drives) text += std::string(1, drive.letter) + ":\\" + '\0';
        std::memcpy(buffer, text.c_str(), std::min<size_t>(size, text.size() + 1));
        return static_cast<uint32_t>(text.size());
    }
    uint32_t DriveMask() override {
        uint32_t mask = 0;
        for (const FakeDrive& drive : drives) mask |= 1u << (drive.letter - 'A');
        return mask;
    }
    uint32_t DriveType(const char* root) override { return Find(root).type; }
    bool VolumeLabel(const char* root, char* label, uint32_t size) override {
        const FakeDrive& drive = Find(root);
        std::snprintf(label, size, "%s", drive.readable ? drive.label.c_str() : "JUNK"); // a failure may write too
        return drive.readable;
    }
    bool DiskSpace(const char* root, uint64_t& freeBytes, uint64_t& totalBytes) override {
        const FakeDrive& drive = Find(root);
        freeBytes = drive.freeBytes, totalBytes = drive.totalBytes;
        return drive.readable;
    }

    // Only "X:\\" names a drive.
    const FakeDrive& Find(const std::string& root) const {
        for (const FakeDrive& drive : drives) if (root == std::string(1, drive.letter) + ":\\") return drive;
        throw std::invalid_argument(root);
    }
};

FakeDrive Fixed(char letter, const std::string& label = "", uint64_t freeMb = 100, uint64_t totalMb = 200) {
    return {letter, kFixed, label, freeMb * kMb, totalMb * kMb};
}
FakeDrive Floppy(char letter) { return {letter, kRemovable, "", 1, 2}; }
std::vector<FakeDrive> EveryLetter() {
    std::vector<FakeDrive> drives;
    for (char letter = 'A'; letter <= 'Z'; ++letter) drives.push_back(Fixed(letter, std::string(1, letter)));
    return drives;
}

TEST(FillDriveTable, ListsRemovableAndFixedDrivesPastTheFloppiesWithLabelRootAndSizes) {
    const struct { std::vector<FakeDrive> drives; std::vector<std::string> texts; } cases[] = {
        {{Floppy('A'), Floppy('B'), Fixed('C'), {'D', kCdRom, "CD", 0, 650 * kMb}, Fixed('E', "DATA", 312, 1012)},
         {"(C:) 100MB free of 200MB", "DATA(E:) 312MB free of 1012MB"}},
        {{Floppy('A'), Fixed('C', "", 0, 40), {'F', kRemovable, "GONE", 5 * kMb, 9 * kMb, false}}, // no medium
         {"(C:) 0MB free of 40MB", "(F:) 0MB free of 0MB"}},
        {{Fixed('C', "", 3000, 4000), {'E', kFixed, "BIG", (4ull << 30) + 10 * kMb, 500ull << 30}},
         {"(C:) 3000MB free of 4000MB", "BIG(E:) 4106MB free of 512000MB"}},
        {{Fixed('G', "AN_UNUSUALLY_LONG_VOLUME_LABEL", 123456, 654321)},
         {"AN_UNUSUALLY_LONG_VOLUME_LABEL(G:) 123456M"}}, // cut to the list's 42 characters
        {EveryLetter(), {"C(C:) 100MB free of 200MB", "D(D:) 100MB free of 200MB", "E(E:) 100MB free of 200MB",
                         "F(F:) 100MB free of 200MB", "G(G:) 100MB free of 200MB"}},
    };
    for (const auto& c : cases) {
        FakeDrives source;
        source.drives = c.drives;
        DriveTable table{};
        DriveList list = EmptyDriveList();
        std::vector<std::string> texts;
        const uint16_t count = FillDriveTable(source, "free of", table, list);
        for (uint16_t i = 0; i < count; ++i) {
            const FakeDrive& drive = source.Find(list.item[i].rootPath + std::string("\\"));
            texts.push_back(list.item[i].text);
            EXPECT_EQ(table.entry[i].freeBytes, drive.readable ? drive.freeBytes : 0);
        }
        EXPECT_EQ(texts, c.texts);
    }
}

} // namespace
