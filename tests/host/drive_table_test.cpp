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
    uint16_t count;
    std::vector<std::string> rootPaths;
    std::vector<std::string> texts;
    DriveTable table;
};

Listing Fill(std::vector<FakeDrive> drives) {
    FakeDriveSource source(std::move(drives));
    DriveTable table{};
    DriveList list = EmptyDriveList();
    Listing listing{FillDriveTable(source, "free of", table, list), {}, {}, table};
    for (uint16_t i = 0; i < listing.count; ++i) {
        listing.rootPaths.push_back(list.item[i].rootPath);
        listing.texts.push_back(list.item[i].text);
    }
    return listing;
}

struct DriveSetCase {
    const char* name;
    std::vector<FakeDrive> drives;
    std::vector<std::string> listed;
};

class DriveSets : public testing::TestWithParam<DriveSetCase> {};

TEST_P(DriveSets, ListsRemovableAndFixedDrivesPastTheFloppiesInLetterOrder) {
    const Listing listing = Fill(GetParam().drives);
    EXPECT_EQ(listing.rootPaths, GetParam().listed);
    EXPECT_EQ(listing.count, GetParam().listed.size());
}

std::vector<FakeDrive> AllLetters() {
    std::vector<FakeDrive> drives;
    for (char letter = 'A'; letter <= 'Z'; ++letter) drives.push_back(Fixed(letter));
    return drives;
}

INSTANTIATE_TEST_SUITE_P(
    Machines, DriveSets,
    testing::Values(
        DriveSetCase{"FloppiesCdRomAndTwoFixed",
                     {Floppy('A'), Floppy('B'), Fixed('C'), {'D', kCdRom, "CD", 0, 650 * kMb}, Fixed('E')},
                     {"C:", "E:"}},
        DriveSetCase{"OneFloppy", {Floppy('A'), Fixed('C'), Fixed('D')}, {"C:", "D:"}},
        DriveSetCase{"NoFloppy", {Fixed('C'), Fixed('D')}, {"C:", "D:"}},
        DriveSetCase{"FloppyAndSevenFixed",
                     {Floppy('A'), Fixed('C'), Fixed('D'), Fixed('E'), Fixed('F'), Fixed('G'), Fixed('H'),
                      Fixed('I')},
                     {"C:", "D:", "E:", "F:", "G:"}},
        DriveSetCase{"EveryLetter", AllLetters(), {"C:", "D:", "E:", "F:", "G:"}},
        DriveSetCase{"RemovableWithoutMedium",
                     {Fixed('C'), {'F', kRemovable, "", 0, 0, false}},
                     {"C:", "F:"}},
        DriveSetCase{"NoEligibleDrive", {Floppy('A'), {'D', kCdRom, "", 0, 0}}, {}},
        DriveSetCase{"NoDrivesAtAll", {}, {}}),
    [](const testing::TestParamInfo<DriveSetCase>& param) { return param.param.name; });

struct TextCase {
    const char* name;
    FakeDrive drive;
    const char* text;
};

class ListTexts : public testing::TestWithParam<TextCase> {};

TEST_P(ListTexts, ShowLabelRootAndSizesInWholeMegabytes) {
    const Listing listing = Fill({GetParam().drive});
    ASSERT_EQ(listing.count, 1);
    EXPECT_EQ(listing.texts[0], GetParam().text);
    EXPECT_LE(listing.texts[0].size(), 42u);
}

INSTANTIATE_TEST_SUITE_P(
    Drives, ListTexts,
    testing::Values(
        TextCase{"Labelled", Fixed('D', "DATA", 312, 1012), "DATA(D:) 312MB free of 1012MB"},
        TextCase{"Unlabelled", Fixed('C', "", 0, 40), "(C:) 0MB free of 40MB"},
        TextCase{"LargerThan4GB", {'E', kFixed, "BIG", 4 * 1024 * kMb + 10 * kMb, 500ull * 1024 * kMb},
                 "BIG(E:) 4106MB free of 512000MB"},
        TextCase{"HundredsOfGigabytes", Fixed('F', "", 300 * 1024, 900 * 1024), "(F:) 307200MB free of 921600MB"},
        TextCase{"LongLabelIsCut", Fixed('G', "AN_UNUSUALLY_LONG_VOLUME_LABEL", 123456, 654321),
                 "AN_UNUSUALLY_LONG_VOLUME_LABEL(G:) 123456M"},
        TextCase{"UnreadableVolume", {'H', kRemovable, "GONE", 5, 9, false}, "(H:) 0MB free of 0MB"}),
    [](const testing::TestParamInfo<TextCase>& param) { return param.param.name; });

TEST(FillDriveTable, KeepsFreeSpaceBeyond4GBAndTheDriveType) {
    const Listing listing = Fill({{'C', kFixed, "", 4 * 1024 * kMb + 10 * kMb, 8 * 1024 * kMb},
                                  {'D', kRemovable, "", 30 * kMb, 100 * kMb}});
    EXPECT_EQ(listing.table.entry[0].freeBytes, 4 * 1024 * kMb + 10 * kMb);
    EXPECT_EQ(listing.table.entry[0].driveType, kFixed);
    EXPECT_EQ(listing.table.entry[1].freeBytes, 30 * kMb);
    EXPECT_EQ(listing.table.entry[1].driveType, kRemovable);
}

TEST(FillDriveTable, SecondCallChangesNothing) {
    FakeDriveSource first({Fixed('C', "ONE")});
    FakeDriveSource second({Fixed('D', "TWO"), Fixed('E')});
    DriveTable table{};
    DriveList list = EmptyDriveList();
    ASSERT_EQ(FillDriveTable(first, "free of", table, list), 1);
    const DriveList before = list;

    EXPECT_EQ(FillDriveTable(second, "free of", table, list), 0);
    EXPECT_STREQ(list.item[0].text, before.item[0].text);
    EXPECT_STREQ(list.item[0].rootPath, "C:");
    EXPECT_EQ(list.item[1].text[0], '\0');
}

TEST(FillDriveTable, EmptyTableKeepsTheMarker) {
    FakeDriveSource none({});
    DriveTable table{};
    DriveList list = EmptyDriveList();
    EXPECT_EQ(FillDriveTable(none, "free of", table, list), 0);
    EXPECT_EQ(list.item[0].text[0], '@');
}

TEST(FillDriveTable, DriveStringsLongerThanTheBufferListNothing) {
    // A platform that needs a larger buffer leaves it as it was.
    class Boastful final : public DriveSource {
    public:
        uint32_t DriveStrings(char*, uint32_t size) override { return size + 50; }
        uint32_t DriveMask() override { return 0; }
        uint32_t DriveType(const char*) override { return kFixed; }
        bool VolumeLabel(const char*, char*, uint32_t) override { return false; }
        bool DiskSpace(const char*, uint64_t&, uint64_t&) override { return false; }
    } boastful;
    DriveTable table{};
    DriveList list = EmptyDriveList();
    EXPECT_EQ(FillDriveTable(boastful, "free of", table, list), 0);
    EXPECT_EQ(list.item[0].text[0], '@');
}

TEST(DriveCombo, SelectsTheLastItemWithTheKeyElseTheFirst) {
    DriveList list = EmptyDriveList();
    EXPECT_EQ(SelectionForKey(list, 2, 1), 1u);
    EXPECT_EQ(SelectionForKey(list, 2, 7), 0u);
    EXPECT_EQ(SelectionForKey(list, 0, 0), 0u);
    list.item[3].key = 1;
    EXPECT_EQ(SelectionForKey(list, 4, 1), 3u);
    EXPECT_EQ(SelectionForKey(list, 3, 1), 1u);
}

TEST(DriveCombo, NoSelectionOrTheFirstGivesItemZerosKey) {
    const DriveList list = EmptyDriveList();
    EXPECT_EQ(KeyAtSelection(list, -1), 0);
    EXPECT_EQ(KeyAtSelection(list, 0), 0);
    EXPECT_EQ(KeyAtSelection(list, 3), 3);
    EXPECT_EQ(KeyAtSelection(list, 4), 4);
}

TEST(TestFileName, IsTheFileInTheDrivesRoot) {
    char name[kTestFileNameSize];
    TestFileName("D:", name);
    EXPECT_STREQ(name, "D:\\VELKTRVX.DAT");
}

} // namespace
