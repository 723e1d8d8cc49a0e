#pragma once

// Moving single header fields between a file and memory. BMP files are
// little-endian; the fields are assembled byte by byte so the code means the
// same on any host.

#include <array>
#include <cstdint>
#include <cstdio>
#include <type_traits>

#include "bitmap/read_exact.h"

template <typename Field>
std::array<std::uint8_t, sizeof(Field)> LittleEndianBytes(Field field) {
    static_assert(std::is_integral_v<Field>);
    std::array<std::uint8_t, sizeof(Field)> bytes;
    auto value = static_cast<std::make_unsigned_t<Field>>(field);
    for (std::uint8_t& byte : bytes) {
        byte = static_cast<std::uint8_t>(value);
        value = static_cast<decltype(value)>(value >> 8);
    }
    return bytes;
}

template <typename Field>
Field FromLittleEndianBytes(const std::array<std::uint8_t, sizeof(Field)>& bytes) {
    std::make_unsigned_t<Field> value = 0;
    for (std::size_t i = sizeof(Field); i-- > 0;) {
        value = static_cast<decltype(value)>(value << 8 | bytes[i]);
    }
    return static_cast<Field>(value);
}

// Reads one field with ReadExact. The bytes start as the field's current
// value, so a field that the end of the file cuts off keeps what it held.
template <typename Field>
bool ReadField(Field& field, std::FILE* file) {
    auto bytes = LittleEndianBytes(field);
    const bool read = ReadExact(bytes.data(), sizeof(Field), 1, file);
    field = FromLittleEndianBytes<Field>(bytes);
    return read;
}

template <typename Field>
bool WriteField(Field field, std::FILE* file) {
    const auto bytes = LittleEndianBytes(field);
    return std::fwrite(bytes.data(), sizeof(Field), 1, file) == 1;
}
