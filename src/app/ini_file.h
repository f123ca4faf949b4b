// INI settings file: sections in square brackets, one "key=value" per line. Lines it does not
// change are written back exactly as they were read, so other sections, other keys, comments and
// the spelling of every key survive a rewrite. Section and key names match without regard to
// case, as INI files have always been read; the first of duplicated names counts.
#pragma once

#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/atomic_file.h"

namespace orvell {

class IniFile {
  public:
    static IniFile Parse(std::string_view text);
    // A missing or unreadable file reads as an empty one.
    static IniFile Load(const std::filesystem::path& path);

    // CR LF after every line.
    std::string Format() const;
    WriteOutcome Save(const std::filesystem::path& path) const;

    std::optional<std::string> Value(std::string_view section, std::string_view key) const;
    std::string ReadString(std::string_view section, std::string_view key,
                           std::string_view fallback) const;
    // Decimal with an optional sign, or hexadecimal after "0x"; anything else gives `fallback`.
    int ReadInteger(std::string_view section, std::string_view key, int fallback) const;
    // Every key of a section with its value, keys as written.
    std::map<std::string, std::string> ReadSection(std::string_view section) const;

    // Line breaks in a value would split it into two lines; they are dropped.
    void WriteString(std::string_view section, std::string_view key, std::string_view value);
    void WriteInteger(std::string_view section, std::string_view key, int value);

  private:
    struct Line {
        std::string text;  // exactly as read or as last written
        std::string key;   // empty for anything but a key line
        std::string value;
    };
    struct Section {
        std::string name;  // empty for the lines before the first section
        std::vector<Line> lines;
    };

    Section* FindSection(std::string_view name);
    Line* FindLine(std::string_view section, std::string_view key);
    const Section* FindSection(std::string_view name) const;
    const Line* FindLine(std::string_view section, std::string_view key) const;

    std::vector<Section> sections_{Section{}};
    bool byteOrderMark_ = false;
};

}  // namespace orvell
