#pragma once

// A strict reader for one flat JSON object per line, enough to check what the
// tool prints for scripts without a JSON library.

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <variant>

using FlatJsonValue = std::variant<std::string, std::int64_t, bool>;
using FlatJsonObject = std::map<std::string, FlatJsonValue>;

// {"key": value, ...} with string, integer and boolean values only, and
// nothing but white space around it. Empty on anything else, including a
// repeated key.
std::optional<FlatJsonObject> ParseFlatJson(const std::string& text);
