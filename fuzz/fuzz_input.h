#pragma once

// Reads typed values off the front of a fuzzer's input; past the end every
// value is 0, so any input is a complete script.

#include <cstddef>
#include <cstdint>

class FuzzInput {
public:
    FuzzInput(const std::uint8_t* data, std::size_t size) : next(data), end(data + size) {}

    bool Empty() const { return next == end; }
    std::uint8_t Byte() { return next == end ? 0 : *next++; }
    std::int32_t Int32() {
        std::uint32_t value = 0;
        for (int i = 0; i < 4; ++i) value = value << 8 | Byte();
        return static_cast<std::int32_t>(value);
    }
    // A value in 0 ... limit - 1.
    std::int32_t Below(std::int32_t limit) {
        return static_cast<std::int32_t>(static_cast<std::uint32_t>(Int32()) % static_cast<std::uint32_t>(limit));
    }

private:
    const std::uint8_t* next;
    const std::uint8_t* end;
};
