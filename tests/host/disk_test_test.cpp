// The disk test against a stand-in for the file, the clock and the user, for
// the failures a real drive cannot produce on demand.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <tuple>
#include <unordered_set>
#include <zlib.h>

#include "../../bench/disk_test.h"

namespace {

// Logs all that is done with it in one line, a repeated event counted
// ("write 32768 x640"); fails the event named in fail at its failAt-th time.
class FakePlatform final : public TestFile, public Clock, public Prompts {
public:
    std::string log;
    int answer = 1;                   // IDOK
    std::string fail;                 // "buffer", "create", "open", "write" or "read"
    uint32_t failAt = 1;
    bool shortMove = false;           // the failing transfer goes through, one sector short
    std::string written;              // every block written, in order

    void* AllocateBuffer(uint32_t size) override {
        return Did("buffer " + std::to_string(size)) ? &buffer_.assign(size, '\0')[0] : nullptr;
    }
    void FreeBuffer(void*) override { Did("free"); }
    bool CreateForWriting(const char* name) override { return Did(std::string("create ") + name); }
    bool OpenForReading(const char* name) override { return Did(std::string("open ") + name); }
    bool Write(const void* data, uint32_t size, uint32_t& moved) override {
        written.append(static_cast<const char*>(data), size);
        return Move("write", size, moved);
    }
    bool Read(void*, uint32_t size, uint32_t& moved) override { return Move("read", size, moved); }
    void Close() override { Did("close"); }
    void Delete(const char* name) override { Did(std::string("delete ") + name); }
    // Write start and end, read start and end: a write faster than the clock can tell, a read of 20.5 ms.
    ClockReading Now() override {
        Did("clock");
        return ++clocks_ == 4 ? ClockReading{20500, 20} : ClockReading{0, 0};
    }
    int Message(uint16_t id, uint32_t flags) override {
        char message[24];
        std::snprintf(message, sizeof message, "message %u/%#x", id, flags);
        Did(message);
        return answer;
    }
    void Caption(uint16_t id) override { Did("caption " + std::to_string(id)); }
    void WaitCursor(bool wait) override { Did(wait ? "wait" : "arrow"); }

private:
    bool Move(const std::string& what, uint32_t size, uint32_t& moved) {
        const bool ok = Did(what + " " + std::to_string(size));
        moved = ok || !shortMove ? size : size - 512;
        return ok || shortMove;
    }
    // Logs the event; false when it is the one to fail.
    bool Did(const std::string& event) {
        if (event == last_) {
            log.resize(log.size() - suffix_.size());
            suffix_ = " x" + std::to_string(++repeats_);
            log += suffix_;
        } else {
            log += (log.empty() ? "" : ", ") + event;
            last_ = event, suffix_.clear(), repeats_ = 1;
        }
        const std::string name = event.substr(0, event.find(' '));
        return !(name == fail && ++failing_ == failAt);
    }

    std::string buffer_, last_, suffix_;
    int repeats_ = 0;
    uint32_t failing_ = 0; // times the failing event came
    int clocks_ = 0;
};

const std::string kFile = "D:\\VELKTRVX.DAT";
std::string Phase(const std::string& open, int caption, const std::string& move) {
    return open + " " + kFile + ", caption " + std::to_string(caption) + ", wait, clock, " + move +
           ", clock, arrow, caption 11, close";
}
std::string Passing(uint32_t size, int count) {
    const std::string blocks = std::to_string(size) + " x" + std::to_string(count);
    return "buffer " + std::to_string(size) + ", " + Phase("create", 30, "write " + blocks) + ", " +
           Phase("open", 31, "read " + blocks) + ", free";
}
const std::string kIsaTest = Passing(32768, 640);

// Video does not compress, and no two frames of it are alike: a drive that compresses what it stores, or
// stores a repeated block once, must not get an easier load from the test. Deflate cannot shrink a block, and
// no sector of the file equals another.
bool LikeVideo(const std::string& file, uint32_t blockSize) {
    std::string deflated(compressBound(blockSize), '\0');
    uLongf size = deflated.size();
    const int result = compress2(reinterpret_cast<Bytef*>(&deflated[0]), &size,
                                 reinterpret_cast<const Bytef*>(file.data()), blockSize, Z_BEST_COMPRESSION);
    std::unordered_set<std::string> sectors;
    for (size_t at = 0; at < file.size(); at += 512) sectors.insert(file.substr(at, 512));
    return result == Z_OK && size >= blockSize && sectors.size() * 512 == file.size();
}

const uint64_t kPlenty = 999 << 20;

TEST(RunDiskTest, RefusesWarnsOrFailsWithOneMessageElseMovesEveryBlockAndKeepsTheRates) {
    const std::string create = "buffer 32768, create " + kFile + ", caption 30, wait, clock, ";
    const std::string written = create + "write 32768 x640, clock, arrow, caption 11, close, ";
    const std::string failed = ", clock, message 34/0x10, arrow, caption 11, close, free";
    // The board type, the free bytes, the answer (1 OK, 2 Cancel), the event that fails at its at-th time, a
    // failing transfer one sector short; the result, and everything done, in order.
    const struct {
        uint16_t board; uint64_t freeBytes; int answer; std::string fail; uint32_t at; bool shortMove;
        uint16_t result; std::string log;
    } cases[] = {
        {1, 20971519, 1, "", 0, false, 0, "message 35/0x30"},
        {1, 20971520, 1, "", 0, false, 1, "message 36/0x2031, " + kIsaTest},
        {1, 41943039, 2, "", 0, false, 0, "message 36/0x2031"}, // cancelled
        {1, 41943040, 2, "", 0, false, 1, kIsaTest},
        {1, (4ull << 30) + (10 << 20), 2, "", 0, false, 1, kIsaTest}, // beyond 32 bits
        {2, kPlenty, 1, "", 0, false, 1, Passing(98304, 213)},
        {1, kPlenty, 1, "buffer", 1, false, 0, "buffer 32768, message 10/0x2010"},
        {1, kPlenty, 1, "create", 1, false, 0, "buffer 32768, create " + kFile + ", message 34/0x10, free"},
        {1, kPlenty, 1, "write", 100, false, 1, create + "write 32768 x100" + failed},
        {1, kPlenty, 1, "write", 3, true, 1, create + "write 32768 x3" + failed},
        {1, kPlenty, 1, "open", 1, false, 0, written + "open " + kFile + ", message 34/0x10, free"},
        {1, kPlenty, 1, "read", 7, false, 1,
         written + "open " + kFile + ", caption 31, wait, clock, read 32768 x7" + failed},
    };
    const DriveListItem item{1, "DATA(D:) 999MB free of 999MB", "D:"};
    for (const auto& c : cases) {
        for (uint32_t testedBefore : {0u, 1u}) {
            FakePlatform fake;
            fake.answer = c.answer, fake.fail = c.fail, fake.failAt = c.at, fake.shortMove = c.shortMove;
            DiskTestPlatform platform{fake, fake, fake};
            DriveEntry entry{testedBefore, c.freeBytes, 3, 11, 22, 0, 0, 0, 0};
            uint32_t attempted = 0;
            EXPECT_EQ(RunDiskTest(platform, entry, item, c.board, attempted), c.result) << c.log;
            EXPECT_EQ(fake.log, c.log);
            // A test that went through has rates from the clock: the highest for no time at all, and the whole
            // kB moved, 20,480 or 20,448, over 20.5 ms; any other keeps what was there.
            const bool through = c.result == 1 && c.fail.empty();
            const auto rates = through ? std::make_tuple(1u, UINT32_MAX, c.board == 2 ? 997463u : 999024u)
                                       : std::make_tuple(testedBefore, 11u, 22u);
            EXPECT_EQ(std::make_tuple(attempted, entry.tested, entry.writeRate, entry.readRate),
                      std::tuple_cat(std::make_tuple(1u), rates));
            EXPECT_TRUE(!through || LikeVideo(fake.written, PlanFor(c.board).blockSize)) << c.log;
            EXPECT_EQ(entry.testFileCreated, uint32_t{c.log.find(", caption 30") != std::string::npos});
        }
    }
}

// A performance counter that leaps forward under bus load, or runs backwards
// when the thread moves to a processor whose counter lags, must not give the
// phase its time; one that agrees with the tick count keeps its finer figure.
TEST(PhaseMicroseconds, TakesTheTickCountWhereTheFineClockLeapsOrRunsBackwards) {
    // The fine clock's readings in microseconds, the tick count's in milliseconds; the phase's microseconds.
    const struct { uint64_t fineStart, fineEnd; uint32_t tickStart, tickEnd; uint64_t elapsed; } cases[] = {
        {7000000, 7020000, 500, 575, 20000},            // 55 ms apart: a tick of Windows 95 can explain that
        {7000000, 7020000, 500, 576, 76000},
        {7000000, 10020500, 500, 520, 20000},          // leaps 3 s
        {7000000, 6999000, 500, 520, 20000},            // runs backwards
        {7000000, 7020500, 0xFFFFFFF0, 4, 20500},       // the tick count wraps
    };
    for (const auto& c : cases) {
        EXPECT_EQ(PhaseMicroseconds({c.fineStart, c.tickStart}, {c.fineEnd, c.tickEnd}), c.elapsed) << c.fineEnd;
    }
}

TEST(DeleteTestFiles, DeletesTheFileOfEveryDriveThatGotOne) {
    DriveTable table{};
    DriveList list = EmptyDriveList();
    const char* roots[kDriveSlots] = {"C:", "E:", "F:", "G:", "H:"};
    for (uint16_t i = 0; i < kDriveSlots; ++i) std::snprintf(list.item[i].rootPath, kRootPathSize, "%s", roots[i]);
    for (uint16_t i : {0, 1, 3, 4}) table.entry[i].testFileCreated = 1;
    table.entry[2].tested = 1; // tested in an earlier run: its file is gone
    FakePlatform fake;
    DeleteTestFiles(fake, fake, table, list);
    EXPECT_EQ(fake.log, "caption 32, wait, delete C:\\VELKTRVX.DAT, delete E:\\VELKTRVX.DAT, "
                        "delete G:\\VELKTRVX.DAT, delete H:\\VELKTRVX.DAT, arrow, caption 11");
}

} // namespace
