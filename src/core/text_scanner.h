// Word and number reading shared by the text files that hold parameter bytes. It reads the way
// those files have always been read, so that every file written by earlier versions still loads
// the same: blanks and line breaks separate, numbers wrap modulo 2^32, and a failed number read
// leaves the word in place for whoever reads next. A reader that must limit a number to a range
// gets its true value beside the wrapped one.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

namespace orvell {

// One number as written in the text.
struct ScannedNumber {
    // With its sign; a number beyond +-kLimit reads as that limit, which is out of every range.
    std::int64_t value = 0;
    std::uint32_t wrapped = 0;  // the exact value modulo 2^32, whatever its length

    static constexpr std::int64_t kLimit = 1'000'000'000'000'000;
};

class TextScanner {
  public:
    explicit TextScanner(std::string_view text) : text_(text) {}

    // The next whitespace-separated word, of any length; empty at the end of the text.
    std::string_view NextWord();

    // An optional sign and decimal digits. Without a digit nothing is consumed but blanks, and
    // the result is empty. Digits directly followed by other characters end the number there.
    std::optional<std::uint32_t> NextNumber();
    // The same reading, giving both forms of the number.
    std::optional<ScannedNumber> NextInteger();

  private:
    void SkipSpace();

    std::string_view text_;
    std::size_t pos_ = 0;
};

}  // namespace orvell
