#pragma once

#include <optional>
#include <string>

// The wide-to-narrow path conversion. Paths arrive as null-terminated UTF-16
// and file names on this system are UTF-8 bytes. Empty when the text is not
// valid UTF-16 (a lone surrogate), so a malformed path can never turn into
// the name of some other file.
std::optional<std::string> Utf16ToUtf8(const char16_t* text);
