#include "platform/utf16_to_utf8.h"

namespace {

bool IsHighSurrogate(char32_t unit) { return unit >= 0xD800 && unit <= 0xDBFF; }
bool IsLowSurrogate(char32_t unit) { return unit >= 0xDC00 && unit <= 0xDFFF; }

void AppendUtf8(std::string& out, char32_t code) {
    auto byte = [&out](char32_t value) { out.push_back(static_cast<char>(value)); };
    if (code < 0x80) {
        byte(code);
    } else if (code < 0x800) {
        byte(0xC0 | code >> 6);
        byte(0x80 | (code & 0x3F));
    } else if (code < 0x10000) {
        byte(0xE0 | code >> 12);
        byte(0x80 | (code >> 6 & 0x3F));
        byte(0x80 | (code & 0x3F));
    } else {
        byte(0xF0 | code >> 18);
        byte(0x80 | (code >> 12 & 0x3F));
        byte(0x80 | (code >> 6 & 0x3F));
        byte(0x80 | (code & 0x3F));
    }
}

}  // namespace

std::optional<std::string> Utf16ToUtf8(const char16_t* text) {
    std::string out;
    for (const char16_t* unit = text; *unit != 0; ++unit) {
        char32_t code = *unit;
        if (IsHighSurrogate(code) && IsLowSurrogate(unit[1])) {
            code = 0x10000 + ((code - 0xD800) << 10) + (unit[1] - 0xDC00);
            ++unit;
        } else if (IsHighSurrogate(code) || IsLowSurrogate(code)) {
            return std::nullopt;
        }
        AppendUtf8(out, code);
    }
    return out;
}
