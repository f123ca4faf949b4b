#include "editor/controls.h"

#include <algorithm>
#include <charconv>
#include <cstdlib>

namespace orvell {

std::string FormatPosition(int value, bool grouped) {
    std::string digits = std::to_string(std::abs(static_cast<long long>(value)));
    if (grouped) {
        for (int at = static_cast<int>(digits.size()) - 3; at > 0; at -= 3) {
            digits.insert(static_cast<std::size_t>(at), 1, kDigitGroupSeparator);
        }
    }
    return value < 0 ? "-" + digits : digits;
}

bool ParsePosition(std::string_view text, int& value) {
    std::string compact;
    compact.reserve(text.size());
    for (char ch : text) {
        if (ch != kDigitGroupSeparator && ch != ' ' && ch != '\t') compact.push_back(ch);
    }
    if (compact.empty()) return false;
    const char* first = compact.data();
    const char* last = first + compact.size();
    if (*first == '+') ++first;  // from_chars takes only a minus sign
    int parsed = 0;
    const auto [end, error] = std::from_chars(first, last, parsed);
    if (error != std::errc() || end != last) return false;
    value = parsed;
    return true;
}

int UpDown::ReadPosition() {
    int typed = 0;
    if (associate_ != nullptr && ParsePosition(associate_->Text(), typed) && typed >= min_ &&
        typed <= max_) {
        Assign(position_, typed);
    }
    return position_;
}

void UpDown::SetPosition(int value) {
    Assign(position_, value < min_ ? min_ : (value > max_ ? max_ : value));
    if (associate_ != nullptr) associate_->SetText(FormatPosition(position_, thousands_));
}

void UpDown::Click(bool up) {
    const int from = ReadPosition();
    SetPosition(up ? from + increment_ : from - increment_);
}

void ListControl::SetItems(std::span<const std::string> items) {
    if (std::equal(items.begin(), items.end(), items_.begin(), items_.end())) return;
    items_.assign(items.begin(), items.end());
    Touch();
}

void ListControl::SetItems(std::span<const std::string_view> items) {
    if (std::equal(items.begin(), items.end(), items_.begin(), items_.end())) return;
    items_.assign(items.begin(), items.end());
    Touch();
}

bool ListControl::SetItem(int n, std::string_view text) {
    if (n < 0 || n > static_cast<int>(items_.size())) return false;
    if (n == static_cast<int>(items_.size())) {
        items_.emplace_back(text);
        Touch();
    } else if (items_[static_cast<std::size_t>(n)] != text) {
        items_[static_cast<std::size_t>(n)].assign(text);
        Touch();
    }
    return true;
}

void RadioGroup::SetItemIndex(int v) {
    const int last = static_cast<int>(Items().size()) - 1;
    AssignIndex(v < -1 ? -1 : (v > last ? last : v));
}

void Gauge::SetMaxValue(int v) {
    Assign(maxValue_, v);
    if (progress_ > maxValue_) SetProgress(maxValue_);
}

}  // namespace orvell
