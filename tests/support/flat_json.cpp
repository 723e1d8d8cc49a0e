#include "support/flat_json.h"

#include <cctype>

namespace {

class Reader {
public:
    explicit Reader(const std::string& text) : text(text) {}

    std::optional<FlatJsonObject> Object() {
        FlatJsonObject object;
        if (!Take('{')) return std::nullopt;
        if (!Take('}')) {
            do {
                std::optional<std::string> key = String();
                if (!key || !Take(':')) return std::nullopt;
                std::optional<FlatJsonValue> value = Value();
                if (!value || !object.emplace(*key, *value).second) return std::nullopt;
            } while (Take(','));
            if (!Take('}')) return std::nullopt;
        }
        SkipSpace();
        if (at != text.size()) return std::nullopt;
        return object;
    }

private:
    void SkipSpace() {
        while (at < text.size() && std::isspace(static_cast<unsigned char>(text[at]))) ++at;
    }

    bool Take(char c) {
        SkipSpace();
        if (at < text.size() && text[at] == c) {
            ++at;
            return true;
        }
        return false;
    }

    bool TakeWord(const std::string& word) {
        if (text.compare(at, word.size(), word) != 0) return false;
        at += word.size();
        return true;
    }

    std::optional<FlatJsonValue> Value() {
        SkipSpace();
        if (at >= text.size()) return std::nullopt;
        if (text[at] == '"') {
            std::optional<std::string> string = String();
            if (!string) return std::nullopt;
            return FlatJsonValue{*string};
        }
        if (TakeWord("true")) return FlatJsonValue{true};
        if (TakeWord("false")) return FlatJsonValue{false};
        return Number();
    }

    std::optional<FlatJsonValue> Number() {
        const std::size_t start = at;
        if (at < text.size() && text[at] == '-') ++at;
        const std::size_t digits = at;
        while (at < text.size() && std::isdigit(static_cast<unsigned char>(text[at]))) ++at;
        // No leading zeros, no fraction or exponent: the tool prints integers.
        if (at == digits || (text[digits] == '0' && at - digits > 1) || at - digits > 18) return std::nullopt;
        return FlatJsonValue{std::int64_t{std::stoll(text.substr(start, at - start))}};
    }

    std::optional<std::string> String() {
        if (!Take('"')) return std::nullopt;
        std::string value;
        while (at < text.size() && text[at] != '"') {
            const char c = text[at++];
            if (static_cast<unsigned char>(c) < 0x20) return std::nullopt;
            if (c != '\\') {
                value += c;
                continue;
            }
            if (at >= text.size()) return std::nullopt;
            const char escaped = text[at++];
            switch (escaped) {
                case '"': value += '"'; break;
                case '\\': value += '\\'; break;
                case '/': value += '/'; break;
                case 'b': value += '\b'; break;
                case 'f': value += '\f'; break;
                case 'n': value += '\n'; break;
                case 'r': value += '\r'; break;
                case 't': value += '\t'; break;
                case 'u': {
                    // Only the escapes the tool writes: control characters.
                    if (at + 4 > text.size()) return std::nullopt;
                    for (std::size_t i = at; i < at + 4; ++i) {
                        if (!std::isxdigit(static_cast<unsigned char>(text[i]))) return std::nullopt;
                    }
                    const unsigned long code = std::stoul(text.substr(at, 4), nullptr, 16);
                    if (code >= 0x80) return std::nullopt;
                    value += static_cast<char>(code);
                    at += 4;
                    break;
                }
                default:
                    return std::nullopt;
            }
        }
        if (at >= text.size()) return std::nullopt;
        ++at;
        return value;
    }

    const std::string& text;
    std::size_t at = 0;
};

}  // namespace

std::optional<FlatJsonObject> ParseFlatJson(const std::string& text) { return Reader(text).Object(); }
