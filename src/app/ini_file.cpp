#include "app/ini_file.h"

#include <algorithm>
#include <charconv>
#include <limits>
#include <string>

namespace orvell {

namespace {

std::string_view Trim(std::string_view s) {
    const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r'; };
    while (!s.empty() && blank(s.front())) s.remove_prefix(1);
    while (!s.empty() && blank(s.back())) s.remove_suffix(1);
    return s;
}

bool SameName(std::string_view a, std::string_view b) {
    const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; };
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(),
                                              [&](char x, char y) { return lower(x) == lower(y); });
}

std::optional<int> ParseInteger(std::string_view s) {
    s = Trim(s);
    bool negative = false;
    if (!s.empty() && (s.front() == '-' || s.front() == '+')) {
        negative = s.front() == '-';
        s.remove_prefix(1);
    }
    int base = 10;
    if (s.size() > 2 && s[0] == '0' && (s[1] == 'x' || s[1] == 'X')) {
        base = 16;
        s.remove_prefix(2);
    }
    unsigned long long magnitude = 0;  // unsigned, so that no second sign is accepted
    auto [end, error] = std::from_chars(s.data(), s.data() + s.size(), magnitude, base);
    if (s.empty() || error != std::errc() || end != s.data() + s.size()) return std::nullopt;
    if (magnitude > 1ull << 32) return std::nullopt;
    const long long value =
        negative ? -static_cast<long long>(magnitude) : static_cast<long long>(magnitude);
    if (value < std::numeric_limits<int>::min() || value > std::numeric_limits<int>::max()) {
        return std::nullopt;
    }
    return static_cast<int>(value);
}

}  // namespace

IniFile IniFile::Parse(std::string_view text) {
    IniFile ini;
    // Windows editors put a byte order mark before the first section; it must not hide it.
    constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
    if (text.starts_with(kByteOrderMark)) {
        ini.byteOrderMark_ = true;
        text.remove_prefix(kByteOrderMark.size());
    }
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        std::string_view raw = text.substr(0, end);
        text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
        if (!raw.empty() && raw.back() == '\r') raw.remove_suffix(1);

        const std::string_view trimmed = Trim(raw);
        const std::size_t close = trimmed.find(']');
        if (!trimmed.empty() && trimmed.front() == '[' && close != std::string_view::npos) {
            ini.sections_.push_back({std::string(Trim(trimmed.substr(1, close - 1))), {}});
        }
        Line line{std::string(raw), {}, {}};
        const std::size_t equals = trimmed.find('=');
        const bool comment = !trimmed.empty() && (trimmed.front() == ';' || trimmed.front() == '#');
        if (!trimmed.empty() && trimmed.front() != '[' && !comment &&
            equals != std::string_view::npos && equals > 0) {
            line.key = Trim(trimmed.substr(0, equals));
            line.value = Trim(trimmed.substr(equals + 1));
        }
        ini.sections_.back().lines.push_back(std::move(line));
    }
    return ini;
}

IniFile IniFile::Load(const std::filesystem::path& path) {
    std::string text;
    if (!ReadWholeFile(path, text)) return {};
    return Parse(text);
}

std::string IniFile::Format() const {
    std::string out = byteOrderMark_ ? "\xEF\xBB\xBF" : "";
    for (const Section& section : sections_) {
        for (const Line& line : section.lines) {
            out += line.text;
            out += "\r\n";
        }
    }
    return out;
}

WriteOutcome IniFile::Save(const std::filesystem::path& path) const {
    return WriteFileAtomically(path, Format());
}

IniFile::Section* IniFile::FindSection(std::string_view name) {
    // The lines before the first header belong to no section and are never found.
    auto it = std::find_if(sections_.begin() + 1, sections_.end(),
                           [&](const Section& s) { return SameName(s.name, name); });
    return it == sections_.end() ? nullptr : &*it;
}

IniFile::Line* IniFile::FindLine(std::string_view section, std::string_view key) {
    Section* s = FindSection(section);
    if (s == nullptr) return nullptr;
    auto it = std::find_if(s->lines.begin(), s->lines.end(), [&](const Line& line) {
        return !line.key.empty() && SameName(line.key, key);
    });
    return it == s->lines.end() ? nullptr : &*it;
}

const IniFile::Section* IniFile::FindSection(std::string_view name) const {
    return const_cast<IniFile*>(this)->FindSection(name);
}

const IniFile::Line* IniFile::FindLine(std::string_view section, std::string_view key) const {
    return const_cast<IniFile*>(this)->FindLine(section, key);
}

std::optional<std::string> IniFile::Value(std::string_view section, std::string_view key) const {
    const Line* line = FindLine(section, key);
    if (line == nullptr) return std::nullopt;
    return line->value;
}

std::string IniFile::ReadString(std::string_view section, std::string_view key,
                                std::string_view fallback) const {
    return Value(section, key).value_or(std::string(fallback));
}

int IniFile::ReadInteger(std::string_view section, std::string_view key, int fallback) const {
    std::optional<std::string> text = Value(section, key);
    if (!text) return fallback;
    return ParseInteger(*text).value_or(fallback);
}

std::map<std::string, std::string> IniFile::ReadSection(std::string_view section) const {
    std::map<std::string, std::string> values;
    if (const Section* s = FindSection(section)) {
        for (const Line& line : s->lines) {
            if (!line.key.empty()) values.emplace(line.key, line.value);
        }
    }
    return values;
}

void IniFile::WriteString(std::string_view sectionName, std::string_view key,
                          std::string_view value) {
    std::string clean(value);
    std::erase_if(clean, [](char c) { return c == '\r' || c == '\n'; });

    Line* line = FindLine(sectionName, key);
    if (line != nullptr) {
        line->value = clean;
        line->text = line->key + "=" + clean;
        return;
    }
    Section* section = FindSection(sectionName);
    if (section == nullptr) {
        // Built piece by piece: GCC 12 at -O3 misreads a concatenation here as an overlapping copy.
        std::string header(1, '[');
        header.append(sectionName);
        header.push_back(']');
        sections_.push_back({std::string(sectionName), {{std::move(header), {}, {}}}});
        section = &sections_.back();
    }
    // After the section's last key, so that blank lines before the next section stay there.
    auto after = std::find_if(section->lines.rbegin(), section->lines.rend(),
                              [](const Line& l) { return !l.key.empty(); });
    auto at = after == section->lines.rend() ? section->lines.begin() + 1 : after.base();
    section->lines.insert(at, Line{std::string(key) + "=" + clean, std::string(key), clean});
}

void IniFile::WriteInteger(std::string_view section, std::string_view key, int value) {
    WriteString(section, key, std::to_string(value));
}

}  // namespace orvell
