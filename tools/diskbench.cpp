// Runs the program's disk test on a folder of this machine, so that its figures
// can be set against those of other tools.
//   diskbench <folder> <board type 1|2> [repetitions]
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <sys/statvfs.h>
#include <unistd.h>
#include <vector>

#include "../bench/disk_test.h"
#include "../bench/test_file_posix.h"
#include "../config/capture_options.h"
#include "../resources/ids.h"

namespace {

const char* TextOf(uint16_t stringId) {
    switch (stringId) {
    case IDS_NO_MEMORY: return "No free system memory";
    case IDS_CANNOT_OPEN_FILE: return "Could not open file";
    case IDS_NO_SPACE: return "Not enough free hard disk space";
    case IDS_LOW_SPACE: return "Too little free HD space could falsify the speed test.";
    default: return "";
    }
}

// Message boxes become lines on stderr, each answered with OK.
class ConsolePrompts final : public Prompts {
public:
    int Message(uint16_t stringId, uint32_t) override {
        std::fprintf(stderr, "diskbench: message %u: %s\n", stringId, TextOf(stringId));
        return 1;
    }
    void Caption(uint16_t) override {}
    void WaitCursor(bool) override {}
};

struct Spread {
    uint32_t min, median, max;
};

Spread SpreadOf(std::vector<uint32_t> rates) {
    std::sort(rates.begin(), rates.end());
    const size_t n = rates.size();
    // Mean of the middle two when the count is even (in 64 bits: rates may be near 4e9).
    const uint32_t median = n % 2 ? rates[n / 2]
                                  : static_cast<uint32_t>((uint64_t{rates[n / 2 - 1]} + rates[n / 2]) / 2);
    return Spread{rates.front(), median, rates.back()};
}

bool ParseCount(const char* text, long lowest, long highest, long& value) {
    char* end = nullptr;
    value = std::strtol(text, &end, 10);
    return end != text && *end == '\0' && value >= lowest && value <= highest;
}

int Usage() {
    std::fprintf(stderr, "usage: diskbench <folder> <board type 1|2> [repetitions]\n");
    return 2;
}

} // namespace

int main(int argc, char** argv) {
    long boardType = 0;
    long repetitions = 1;
    if (argc < 3 || argc > 4 || !ParseCount(argv[2], kIsaBoard, kPciBoard, boardType) ||
        (argc == 4 && !ParseCount(argv[3], 1, 1000, repetitions))) {
        return Usage();
    }

    const char* folder = argv[1];
    struct statvfs fs {};
    if (statvfs(folder, &fs) != 0 || chdir(folder) != 0) {
        std::perror(folder);
        return 1;
    }

    // The root path holds 23 characters at most; the test runs in the current folder.
    DriveListItem item{};
    std::strcpy(item.rootPath, ".");
    const uint64_t freeBytes = uint64_t{fs.f_bavail} * fs.f_frsize;

    const TestPlan plan = PlanFor(static_cast<uint16_t>(boardType));
    std::printf("board type %ld: %u blocks of %u bytes in %s\n", boardType, plan.blockCount, plan.blockSize,
                folder);
    timespec resolution{};
    clock_getres(CLOCK_MONOTONIC, &resolution);
    const long long tickNs = resolution.tv_sec * 1000000000LL + resolution.tv_nsec;
    std::printf("clock: CLOCK_MONOTONIC at %lld Hz (resolution %lld ns), read in microseconds\n",
                1000000000LL / tickNs, tickNs);

    PosixTestFile file;
    PosixClock clock;
    ConsolePrompts prompts;
    DiskTestPlatform platform{file, clock, prompts};

    std::vector<uint32_t> writeRates;
    std::vector<uint32_t> readRates;
    bool failed = false;
    for (long run = 1; run <= repetitions; ++run) {
        DriveEntry entry{};
        entry.freeBytes = freeBytes;
        uint32_t attempted = 0;
        if (RunDiskTest(platform, entry, item, static_cast<uint16_t>(boardType), attempted) == 0 ||
            entry.tested == 0) {
            std::fprintf(stderr, "diskbench: run %ld failed\n", run);
            failed = true;
            break;
        }
        writeRates.push_back(entry.writeRate);
        readRates.push_back(entry.readRate);
        std::printf("run %ld: write %u kB/s, read %u kB/s\n", run, entry.writeRate, entry.readRate);
    }

    char name[kTestFileNameSize];
    TestFileName(item.rootPath, name);
    file.Delete(name);

    if (!file.Unbuffered()) {
        std::printf("note: this file system refused O_DIRECT; the figures are page cache figures\n");
    }
    if (writeRates.size() > 1) {
        const Spread w = SpreadOf(writeRates);
        const Spread r = SpreadOf(readRates);
        std::printf("write kB/s: min %u, median %u, max %u\n", w.min, w.median, w.max);
        std::printf("read  kB/s: min %u, median %u, max %u\n", r.min, r.median, r.max);
    }
    return failed ? 1 : 0;
}
