#pragma once

#include <cstdint>
#include <string>

// One flat JSON object on one line, members in the order they are added:
// {"path": "a.bmp", "width": 3, "loads": true}. Strings are escaped as JSON
// requires; their bytes are otherwise passed on as they are (UTF-8 in, UTF-8
// out).
class JsonObject {
public:
    void AddString(const std::string& key, const std::string& value);
    void AddNumber(const std::string& key, std::int64_t value);
    void AddBool(const std::string& key, bool value);
    std::string Text() const { return "{" + members + "}"; }

private:
    void AddMember(const std::string& key, const std::string& json);
    std::string members;
};
