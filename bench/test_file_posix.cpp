#include "test_file_posix.h"

#include <cerrno>
#include <cstdlib>
#include <ctime>
#include <fcntl.h>
#include <string>
#include <unistd.h>

namespace {

constexpr size_t kPageSize = 4096;

std::string PosixPath(const char* name) {
    std::string path(name);
    for (char& c : path) {
        if (c == '\\') c = '/';
    }
    return path;
}

} // namespace

void* PosixTestFile::AllocateBuffer(uint32_t size) {
    void* buffer = nullptr;
    return posix_memalign(&buffer, kPageSize, size) == 0 ? buffer : nullptr;
}

void PosixTestFile::FreeBuffer(void* buffer) {
    free(buffer);
}

bool PosixTestFile::Open(const char* name, int flags) {
    Close();
    const std::string path = PosixPath(name);
    fd_ = open(path.c_str(), flags | O_DIRECT, 0644);
    if (fd_ < 0 && errno == EINVAL) {
        // This file system does not do direct I/O: measure through the cache, and say so.
        fd_ = open(path.c_str(), flags, 0644);
        if (fd_ >= 0) cacheFallback_ = true;
    }
    return fd_ >= 0;
}

bool PosixTestFile::CreateForWriting(const char* name) {
    return Open(name, O_WRONLY | O_CREAT | O_TRUNC);
}

bool PosixTestFile::OpenForReading(const char* name) {
    return Open(name, O_RDONLY);
}

bool PosixTestFile::Write(const void* buffer, uint32_t size, uint32_t& moved) {
    const ssize_t done = write(fd_, buffer, size);
    moved = done > 0 ? static_cast<uint32_t>(done) : 0;
    return done >= 0;
}

bool PosixTestFile::Read(void* buffer, uint32_t size, uint32_t& moved) {
    const ssize_t done = read(fd_, buffer, size);
    moved = done > 0 ? static_cast<uint32_t>(done) : 0;
    return done >= 0;
}

void PosixTestFile::Close() {
    if (fd_ >= 0) close(fd_);
    fd_ = -1;
}

void PosixTestFile::Delete(const char* name) {
    unlink(PosixPath(name).c_str());
}

ClockReading PosixClock::Now() {
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    const uint64_t microseconds =
        static_cast<uint64_t>(now.tv_sec) * 1000000u + static_cast<uint64_t>(now.tv_nsec) / 1000u;
    return ClockReading{microseconds, static_cast<uint32_t>(microseconds / 1000)};
}
