#include "bitmap_file_win32.h"

namespace {

constexpr int kFromStart = 0;
constexpr int kFromHere = 1;
constexpr int kFromEnd = 2;

} // namespace

uint32_t FileSource::Read(void* destination, uint32_t count) {
    const UINT read = _lread(file_, destination, count);
    return read == static_cast<UINT>(HFILE_ERROR) ? 0 : read; // an error counts as a short read
}

bool FileSource::Seek(uint32_t position) {
    return _llseek(file_, static_cast<LONG>(position), kFromStart) == static_cast<LONG>(position);
}

bool FileSource::Position(uint32_t& position) {
    const LONG here = _llseek(file_, 0, kFromHere);
    position = static_cast<uint32_t>(here);
    return here != HFILE_ERROR;
}

bool FileSource::Remaining(uint32_t& remaining) {
    uint32_t here = 0;
    if (!Position(here)) return false;
    const LONG end = _llseek(file_, 0, kFromEnd);
    remaining = static_cast<uint32_t>(end) - here;
    return end != HFILE_ERROR && Seek(here);
}
