#include "core/text_scanner.h"

#include <algorithm>

namespace orvell {

namespace {

// The C locale's white space; CR makes CR LF and bare LF files read alike.
bool IsSpace(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

}  // namespace

void TextScanner::SkipSpace() {
    while (pos_ < text_.size() && IsSpace(text_[pos_])) ++pos_;
}

std::string_view TextScanner::NextWord() {
    SkipSpace();
    const std::size_t start = pos_;
    while (pos_ < text_.size() && !IsSpace(text_[pos_])) ++pos_;
    return text_.substr(start, pos_ - start);
}

std::optional<std::uint32_t> TextScanner::NextNumber() {
    const std::optional<ScannedNumber> n = NextInteger();
    if (!n) return std::nullopt;
    return n->wrapped;
}

std::optional<ScannedNumber> TextScanner::NextInteger() {
    SkipSpace();
    std::size_t p = pos_;
    bool negative = false;
    if (p < text_.size() && (text_[p] == '+' || text_[p] == '-')) negative = text_[p++] == '-';
    if (p >= text_.size() || !IsDigit(text_[p])) return std::nullopt;
    std::uint32_t wrapped = 0;
    std::int64_t magnitude = 0;
    for (; p < text_.size() && IsDigit(text_[p]); ++p) {
        const int digit = text_[p] - '0';
        wrapped = wrapped * 10u + static_cast<std::uint32_t>(digit);
        magnitude = std::min(magnitude * 10 + digit, ScannedNumber::kLimit);
    }
    pos_ = p;
    return ScannedNumber{negative ? -magnitude : magnitude, negative ? 0u - wrapped : wrapped};
}

}  // namespace orvell
