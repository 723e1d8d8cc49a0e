#pragma once

// Moving single header fields between a file and memory. BMP files are
// little-endian; the fields are assembled byte by byte so the code means the
// same on any host.

#include <cstdint>
#include <cstdio>
#include <type_traits>

#include "bitmap/read_exact.h"

template <typename Field>
bool ReadField(Field& field, std::FILE* file) {
    static_assert(std::is_integral_v<Field>);
    using Unsigned = std::make_unsigned_t<Field>;
    // The bytes start as the field's current value, so a field that the end of
    // the file cuts off keeps what it held.
    std::uint8_t bytes[sizeof(Field)];
    auto value = static_cast<Unsigned>(field);
    for (std::uint8_t& byte : bytes) {
        byte = static_cast<std::uint8_t>(value);
        value = static_cast<Unsigned>(value >> 8);
    }
    const bool read = ReadExact(bytes, sizeof(Field), 1, file);
    value = 0;
    for (std::size_t i = sizeof(Field); i-- > 0;) {
        value = static_cast<Unsigned>(value << 8 | bytes[i]);
    }
    field = static_cast<Field>(value);
    return read;
}

template <typename Field>
bool WriteField(Field field, std::FILE* file) {
    static_assert(std::is_integral_v<Field>);
    using Unsigned = std::make_unsigned_t<Field>;
    std::uint8_t bytes[sizeof(Field)];
    auto value = static_cast<Unsigned>(field);
    for (std::uint8_t& byte : bytes) {
        byte = static_cast<std::uint8_t>(value);
        value = static_cast<Unsigned>(value >> 8);
    }
    return std::fwrite(bytes, sizeof(Field), 1, file) == 1;
}
