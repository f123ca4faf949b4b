// Word and number reading shared by the text files that hold parameter bytes. It reads the way
// those files have always been read, so that every file written by earlier versions still loads
// the same: blanks and line breaks separate, numbers wrap modulo 2^32, and a failed number read
// leaves the word in place for whoever reads next.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

namespace orvell {

class TextScanner {
  public:
    explicit TextScanner(std::string_view text) : text_(text) {}

    // The next whitespace-separated word, of any length; empty at the end of the text.
    std::string_view NextWord();

    // An optional sign and decimal digits. Without a digit nothing is consumed but blanks, and
    // the result is empty. Digits directly followed by other characters end the number there.
    std::optional<std::uint32_t> NextNumber();

  private:
    void SkipSpace();

    std::string_view text_;
    std::size_t pos_ = 0;
};

}  // namespace orvell
