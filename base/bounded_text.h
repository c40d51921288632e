// Builds a zero-terminated text in a fixed buffer; what does not fit is cut off.
#ifndef TARVEX_BASE_BOUNDED_TEXT_H
#define TARVEX_BASE_BOUNDED_TEXT_H

#include <cstdint>

class BoundedText {
public:
    // capacity counts the terminator and must be at least 1.
    BoundedText(char* buffer, uint32_t capacity) : buffer_(buffer), capacity_(capacity) { buffer_[0] = '\0'; }

    BoundedText& Add(const char* text) {
        while (*text != '\0' && length_ + 1 < capacity_) buffer_[length_++] = *text++;
        buffer_[length_] = '\0';
        return *this;
    }

    BoundedText& Add(uint64_t number) {
        char digits[21];
        char* first = digits + sizeof digits - 1;
        *first = '\0';
        do {
            *--first = static_cast<char>('0' + number % 10);
            number /= 10;
        } while (number != 0);
        return Add(first);
    }

    BoundedText& RemoveLast() {
        if (length_ > 0) buffer_[--length_] = '\0';
        return *this;
    }

private:
    char* buffer_;
    uint32_t capacity_;
    uint32_t length_ = 0;
};

#endif
