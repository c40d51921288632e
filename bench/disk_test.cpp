#include "disk_test.h"

#include "../config/capture_options.h"
#include "../resources/ids.h"

namespace {

// The transfer buffer, released on every way out of the test.
class TransferBuffer {
public:
    TransferBuffer(TestFile& file, uint32_t size) : file_(file), data_(file.AllocateBuffer(size)) {}
    ~TransferBuffer() {
        if (data_ != nullptr) file_.FreeBuffer(data_);
    }
    TransferBuffer(const TransferBuffer&) = delete;
    TransferBuffer& operator=(const TransferBuffer&) = delete;

    void* Data() const { return data_; }

private:
    TestFile& file_;
    void* data_;
};

// Fills the transfer buffer with bytes that do not compress, as the video they
// stand for: a drive that compresses what it stores would otherwise report the
// speed of its compressor. A 32-bit xorshift sequence: no compressor shrinks it,
// and no state comes twice in 2^32 - 1 steps, so no two sectors are alike.
void FillIncompressible(void* buffer, uint32_t size) {
    uint32_t state = 0x9E3779B9;
    uint32_t* word = static_cast<uint32_t*>(buffer);
    for (uint32_t i = 0; i < size / 4; ++i) {
        state ^= state << 13;
        state ^= state >> 17;
        state ^= state << 5;
        word[i] = state;
    }
}

// Stamps every sector of the block with its number in the file, so that no
// sector of the test file equals another, as no two frames of video are alike:
// a drive that stores a repeated block only once would otherwise take the
// writes for almost nothing. The number is spread over all 32 bits by an odd
// multiplier, which keeps the stamps distinct and leaves nothing to compress.
// The stamp lies inside the timed interval, as the buffer is the one block. It
// costs an add and a store for each of a 96 kB block's 192 sectors: some 1,600
// cycles, at most 50 us on a 486 at 33 MHz, against the 10 ms or more that any
// drive of its day takes to write the block; today 0.2 us, under 0.2% of the
// 140 us that a 96 kB unbuffered write takes on our benchmark's disk.
void StampSectors(void* buffer, uint32_t size, uint32_t block) {
    constexpr uint32_t kSectorSize = 512;
    constexpr uint32_t kSpread = 0x9E3779B9;
    uint32_t stamp = block * (size / kSectorSize) * kSpread;
    uint32_t* word = static_cast<uint32_t*>(buffer);
    for (uint32_t at = 0; at < size / 4; at += kSectorSize / 4, stamp += kSpread) word[at] = stamp;
}

enum class Direction { kWrite, kRead };

// Moves every block of the plan; stops at the first call that fails or moves
// less than a whole block.
bool TransferBlocks(TestFile& file, Direction direction, void* buffer, const TestPlan& plan) {
    for (uint32_t block = 0; block < plan.blockCount; ++block) {
        if (direction == Direction::kWrite) StampSectors(buffer, plan.blockSize, block);
        uint32_t moved = 0;
        const bool called = direction == Direction::kWrite ? file.Write(buffer, plan.blockSize, moved)
                                                           : file.Read(buffer, plan.blockSize, moved);
        if (!called || moved != plan.blockSize) return false;
    }
    return true;
}

// One timed phase on an open file: only the transfers lie inside the interval.
// Returns the rate in kB/s; ok tells whether every transfer went through.
uint32_t TimedPhase(DiskTestPlatform& platform, Direction direction, void* buffer, const TestPlan& plan,
                    bool& ok) {
    platform.prompts.Caption(direction == Direction::kWrite ? IDS_WRITING : IDS_READING);
    platform.prompts.WaitCursor(true);
    const ClockReading start = platform.clock.Now();
    ok = TransferBlocks(platform.file, direction, buffer, plan);
    const uint64_t elapsed = PhaseMicroseconds(start, platform.clock.Now());
    if (!ok) platform.prompts.Message(IDS_CANNOT_OPEN_FILE, kBoxOk | kBoxStop);
    platform.prompts.WaitCursor(false);
    platform.prompts.Caption(IDS_PROGRAM_CAPTION);
    platform.file.Close();
    return PhaseRate(plan.rateNumerator, elapsed);
}

} // namespace

TestPlan PlanFor(uint16_t boardType) {
    const uint32_t blockKb = boardType == kPciBoard ? 96 : 32;
    const uint32_t blockCount = 20480 / blockKb;
    return TestPlan{blockKb * 1024, blockCount, blockKb * blockCount * 1000};
}

uint64_t PhaseMicroseconds(const ClockReading& start, const ClockReading& end) {
    // Each tick reading lags its moment by less than a step, so the intervals of
    // two right clocks differ by less than one. The coarsest step of any tick
    // count (Windows 95 to ME; NT's is 10 to 16 ms) never overrules a right one.
    constexpr uint64_t kTickStep = 55000;
    const uint64_t ticks = uint64_t{end.milliseconds - start.milliseconds} * 1000; // right across a wrap
    const uint64_t fine = end.microseconds - start.microseconds; // near 2^64 when it ran backwards
    return (fine > ticks ? fine - ticks : ticks - fine) > kTickStep ? ticks : fine;
}

uint32_t PhaseRate(uint32_t rateNumerator, uint64_t elapsedMicroseconds) {
    if (elapsedMicroseconds == 0) elapsedMicroseconds = 1; // faster than the clock can tell
    const uint64_t rate = uint64_t{rateNumerator} * 1000 / elapsedMicroseconds;
    return rate > UINT32_MAX ? UINT32_MAX : static_cast<uint32_t>(rate);
}

uint16_t RunDiskTest(DiskTestPlatform& platform, DriveEntry& entry, const DriveListItem& item,
                     uint16_t boardType, uint32_t& testAttempted) {
    testAttempted = 1;

    Prompts& prompts = platform.prompts;
    if (entry.freeBytes < kMinimumFreeBytes) {
        prompts.Message(IDS_NO_SPACE, kBoxOk | kBoxExclamation);
        return 0;
    }
    if (entry.freeBytes < kComfortableFreeBytes &&
        prompts.Message(IDS_LOW_SPACE, kBoxOkCancel | kBoxExclamation | kBoxTaskModal) == kAnswerCancel) {
        return 0;
    }

    char name[kTestFileNameSize];
    TestFileName(item.rootPath, name);
    const TestPlan plan = PlanFor(boardType);

    TransferBuffer buffer(platform.file, plan.blockSize);
    if (buffer.Data() == nullptr) {
        prompts.Message(IDS_NO_MEMORY, kBoxOk | kBoxStop | kBoxTaskModal);
        return 0;
    }
    FillIncompressible(buffer.Data(), plan.blockSize);

    if (!platform.file.CreateForWriting(name)) {
        prompts.Message(IDS_CANNOT_OPEN_FILE, kBoxOk | kBoxStop);
        return 0;
    }
    entry.testFileCreated = 1;
    bool ok = false;
    const uint32_t writeRate = TimedPhase(platform, Direction::kWrite, buffer.Data(), plan, ok);
    if (!ok) return 1;

    if (!platform.file.OpenForReading(name)) {
        prompts.Message(IDS_CANNOT_OPEN_FILE, kBoxOk | kBoxStop);
        return 0;
    }
    const uint32_t readRate = TimedPhase(platform, Direction::kRead, buffer.Data(), plan, ok);
    if (!ok) return 1;

    // Only a test that went through both phases has figures worth showing: a
    // failed one leaves what an earlier test measured.
    entry.writeRate = writeRate;
    entry.readRate = readRate;
    entry.tested = 1;
    return 1;
}

void DeleteTestFiles(TestFile& file, Prompts& prompts, const DriveTable& table, const DriveList& list) {
    prompts.Caption(IDS_DELETING);
    prompts.WaitCursor(true);
    for (uint16_t i = 0; i < kDriveSlots; ++i) {
        // Every drive that got a test file, whether or not its test went through.
        if (table.entry[i].testFileCreated == 0) continue;
        char name[kTestFileNameSize];
        TestFileName(list.item[i].rootPath, name);
        file.Delete(name);
    }
    prompts.WaitCursor(false);
    prompts.Caption(IDS_PROGRAM_CAPTION);
}
