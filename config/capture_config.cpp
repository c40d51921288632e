#include "capture_config.h"

#include "../base/bounded_text.h"

namespace {

const char kSystemIni[] = "SYSTEM.INI";
const char kPciSection[] = "velkCI.DLL";
const char kIsaSection[] = "VIDEORQ3";
const char kIsaDriver[] = "videorq3.drv";
constexpr uint32_t kValueSize = 80;
constexpr uint32_t kLowestLimit = 200;
constexpr uint32_t kHighestLimit = 20000;
const char* const kFormatNames[] = {"LOW", "MID", "HIGH"};

char FoldAsciiLetter(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

// The whole value must be the ISA driver's file name, letter case aside.
bool NamesIsaDriver(const char* value) {
    const char* expected = kIsaDriver;
    while (*value != '\0' && FoldAsciiLetter(*value) == *expected) {
        ++value;
        ++expected;
    }
    return *value == '\0' && *expected == '\0';
}

bool CodecIsIsaDriver(Profile& profile) {
    char value[kValueSize];
    return profile.ReadString(kSystemIni, "drivers", "VIDC.MJPG", value, kValueSize) > 0 && NamesIsaDriver(value);
}

bool WriteDriveResults(Profile& profile, uint32_t reachableRate, uint16_t formatClass, const char* captureDrive,
                       uint16_t boardType) {
    const char* section = boardType == kPciBoard ? kPciSection : kIsaSection;

    char dataRate[12];
    BoundedText(dataRate, sizeof dataRate).Add(reachableRate);
    if (!profile.WriteString(kSystemIni, section, "DataRate", dataRate)) return false;
    if (!profile.WriteString(kSystemIni, section, "CaptureDrive", captureDrive)) return false;
    if (boardType != kPciBoard) return true;
    const char* format = formatClass < 3 ? kFormatNames[formatClass] : kFormatNames[0];
    return profile.WriteString(kSystemIni, section, "DefCapFormat", format);
}

} // namespace

uint16_t VideoNormFromCountry(Profile& profile) {
    switch (profile.ReadInteger("WIN.INI", "intl", "iCountry", 0)) {
    case 1:   // United States
    case 2:   // Canada
    case 52:  // Mexico
    case 82:  // Korea
    case 886: // Taiwan
        return 1;
    default:
        return 0;
    }
}

int DetectCaptureBoard(Profile& profile, CaptureOptions& options, CaptureBoard& board) {
    board.limits = kPciDefaultLimits;
    options.boardType = kPciBoard;

    char value[kValueSize];
    if (profile.ReadString(kSystemIni, kPciSection, "RQ7ToMemory", value, kValueSize) > 0) {
        board.limits.cardToMemory = ParseDecimal(value);
        if (board.limits.cardToMemory < kLowestLimit || board.limits.cardToMemory > kHighestLimit) {
            board.limits = kPciDefaultLimits;
        } else if (profile.ReadString(kSystemIni, kPciSection, "MemoryToRQ7", value, kValueSize) > 0) {
            board.limits.memoryToCard = ParseDecimal(value);
        }
        board.boardKind = CodecIsIsaDriver(profile) ? kPciInterfaceWithIsaCodec : kPciInterface;
    } else if (CodecIsIsaDriver(profile)) {
        board.limits = kIsaLimits;
        board.boardKind = kIsaDriverOnly;
        options.boardType = kIsaBoard;
    } else {
        board.boardKind = kNoBoardDriver;
    }

    options.audio = AudioSettings{1, 0, 0, 0};
    return 1;
}

uint32_t ParseDecimal(const char* text) {
    uint32_t value = 0;
    for (const unsigned char* byte = reinterpret_cast<const unsigned char*>(text); *byte != 0; ++byte) {
        value = value * 10u + static_cast<uint8_t>(*byte - 48u);
    }
    return value;
}

bool StoreDriveResults(Profile& profile, uint32_t reachableRate, uint16_t formatClass, const char* captureDrive,
                       uint16_t boardType) {
    const bool written = WriteDriveResults(profile, reachableRate, formatClass, captureDrive, boardType);
    // Windows 95 to ME keep a written profile file in memory: a crash would lose
    // what was stored, and the capture software, reading the file, would not see it.
    profile.Flush(kSystemIni);
    return written;
}
