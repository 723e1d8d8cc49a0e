#include "cli/json_object.h"

#include <cstdio>

namespace {

std::string Quoted(const std::string& text) {
    std::string quoted = "\"";
    for (const char c : text) {
        switch (c) {
            case '"':
                quoted += "\\\"";
                break;
            case '\\':
                quoted += "\\\\";
                break;
            case '\n':
                quoted += "\\n";
                break;
            case '\t':
                quoted += "\\t";
                break;
            default:
                if (static_cast<unsigned char>(c) < 0x20) {
                    char escaped[8];
                    std::snprintf(escaped, sizeof escaped, "\\u%04x", static_cast<unsigned>(c));
                    quoted += escaped;
                } else {
                    quoted += c;
                }
        }
    }
    return quoted + "\"";
}

}  // namespace

void JsonObject::AddMember(const std::string& key, const std::string& json) {
    if (!members.empty()) {
        members += ", ";
    }
    members += Quoted(key) + ": " + json;
}

void JsonObject::AddString(const std::string& key, const std::string& value) { AddMember(key, Quoted(value)); }

void JsonObject::AddNumber(const std::string& key, std::int64_t value) { AddMember(key, std::to_string(value)); }

void JsonObject::AddBool(const std::string& key, bool value) { AddMember(key, value ? "true" : "false"); }
