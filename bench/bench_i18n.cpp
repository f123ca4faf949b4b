// Cost of a language switch: every text of the catalogue pushed through the window interface.
#include <benchmark/benchmark.h>

#include "i18n/apply_language.h"

namespace orvell {
namespace {

// Takes every text and keeps only its length, so the measure is the catalogue's own work.
class CountingTarget : public LanguageTarget {
  public:
    void SetCaption(std::string_view, std::string_view text) override { bytes += text.size(); }
    void SetHint(std::string_view, std::string_view text) override { bytes += text.size(); }
    void SetListEntry(std::string_view, int, std::string_view text) override {
        bytes += text.size();
    }
    void SetItems(std::string_view, std::span<const std::string_view> items) override {
        bytes += items.size();
    }
    void SetChecked(std::string_view, bool) override {}
    void SetTitle(std::string_view text) override { bytes += text.size(); }
    bool IsVisible(std::string_view) const override { return true; }
    std::size_t bytes = 0;
};

void BM_ApplyLanguage(benchmark::State& state) {
    CountingTarget target;
    MessageTexts texts;
    int language = 0;
    for (auto _ : state) {
        ApplyLanguage(language, "data.ign", texts, target);
        language = (language + 1) % kLanguageCount;
        benchmark::DoNotOptimize(target.bytes);
    }
}
BENCHMARK(BM_ApplyLanguage);

}  // namespace
}  // namespace orvell
