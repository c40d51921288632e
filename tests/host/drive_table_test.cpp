#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "../../bench/drive_table.h"
#include "fakes.h"

namespace {

constexpr uint32_t kRemovable = 2;
constexpr uint32_t kFixed = 3;
constexpr uint32_t kCdRom = 5;
constexpr uint64_t kMb = 1 << 20;

FakeDrive Fixed(char letter, const std::string& label = "", uint64_t freeMb = 100, uint64_t totalMb = 200) {
    return {letter, kFixed, label, freeMb * kMb, totalMb * kMb};
}
FakeDrive Floppy(char letter) {
    return {letter, kRemovable, "", 1, 2};
}

struct Listing {
    std::vector<std::string> rootPaths;
    std::vector<std::string> texts;
    DriveTable table;
};

Listing Fill(DriveSource& source) {
    DriveTable table{};
    DriveList list = EmptyDriveList();
    Listing listing{{}, {}, table};
    const uint16_t count = FillDriveTable(source, "free of", listing.table, list);
    for (uint16_t i = 0; i < count; ++i) {
        listing.rootPaths.push_back(list.item[i].rootPath);
        listing.texts.push_back(list.item[i].text);
    }
    if (count == 0) {
        EXPECT_EQ(list.item[0].text[0], kUnfilledMarker);
    }
    return listing;
}

Listing Fill(std::vector<FakeDrive> drives) {
    FakeDriveSource source(std::move(drives));
    return Fill(source);
}

std::vector<FakeDrive> EveryLetter() {
    std::vector<FakeDrive> drives;
    for (char letter = 'A'; letter <= 'Z'; ++letter) drives.push_back(Fixed(letter));
    return drives;
}

TEST(FillDriveTable, ListsRemovableAndFixedDrivesPastTheFloppiesInLetterOrder) {
    const struct { std::vector<FakeDrive> drives; std::vector<std::string> listed; } cases[] = {
        {{Floppy('A'), Floppy('B'), Fixed('C'), {'D', kCdRom, "CD", 0, 650 * kMb}, Fixed('E')}, {"C:", "E:"}},
        {{Floppy('A'), Fixed('C'), Fixed('D')}, {"C:", "D:"}},
        {{Fixed('C'), Fixed('D')}, {"C:", "D:"}},
        {EveryLetter(), {"C:", "D:", "E:", "F:", "G:"}},
        {{Fixed('C'), {'F', kRemovable, "", 0, 0, false}}, {"C:", "F:"}}, // removable without medium
        {{Floppy('A'), {'D', kCdRom, "", 0, 0}}, {}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Fill(c.drives).rootPaths, c.listed) << c.drives.size() << " drives";
    }
}

TEST(FillDriveTable, ShowsLabelRootAndSizesInWholeMegabytes) {
    const struct { FakeDrive drive; const char* text; } cases[] = {
        {Fixed('D', "DATA", 312, 1012), "DATA(D:) 312MB free of 1012MB"},
        {Fixed('C', "", 0, 40), "(C:) 0MB free of 40MB"},
        {{'E', kFixed, "BIG", 4 * 1024 * kMb + 10 * kMb, 500ull * 1024 * kMb}, "BIG(E:) 4106MB free of 512000MB"},
        {Fixed('G', "AN_UNUSUALLY_LONG_VOLUME_LABEL", 123456, 654321), "AN_UNUSUALLY_LONG_VOLUME_LABEL(G:) 123456M"},
        {{'H', kRemovable, "GONE", 5 * kMb, 9 * kMb, false}, "(H:) 0MB free of 0MB"}, // unreadable volume
    };
    for (const auto& c : cases) {
        const Listing listing = Fill({c.drive});
        ASSERT_EQ(listing.texts.size(), 1u);
        EXPECT_EQ(listing.texts[0], c.text);
        EXPECT_EQ(listing.table.entry[0].freeBytes, c.drive.readable ? c.drive.freeBytes : 0);
        EXPECT_EQ(listing.table.entry[0].driveType, c.drive.type);
    }
}

TEST(FillDriveTable, DriveStringsThatDoNotFitTheBufferListNothing) {
    FakeDriveSource source(EveryLetter());
    source.needsLargerBuffer = true;
    EXPECT_TRUE(Fill(source).rootPaths.empty());
}

TEST(DriveCombo, SelectsTheLastItemWithTheKeyElseTheFirst) {
    DriveList list = EmptyDriveList();
    list.item[3].key = 1;
    const struct {
        uint32_t count; uint16_t key; uint32_t selection;
    } cases[] = {{2, 1, 1}, {2, 7, 0}, {0, 0, 0}, {4, 1, 3}, {3, 1, 1}, {9, 4, 4}, {9, 1, 3}};
    for (const auto& c : cases) EXPECT_EQ(SelectionForKey(list, c.count, c.key), c.selection) << c.count;
}

TEST(DriveCombo, NoSelectionOrOneOutsideTheListGivesItemZerosKey) {
    DriveList list = EmptyDriveList();
    list.item[0].key = 7;
    for (const auto& [selection, key] : {std::pair<int32_t, uint16_t>{-1, 7}, {0, 7}, {3, 3}, {4, 4}, {5, 7}}) {
        EXPECT_EQ(KeyAtSelection(list, selection), key) << selection;
    }
}

} // namespace
