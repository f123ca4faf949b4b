// A parameter set as a reader sees it: every field with its name, unit and shown value, the
// advance map as a table over the rpm axis and the throttle rows, and the differences between
// two sets. Used by `orvell-cli show` and `diff` and by the window's Compare with unit.
#pragma once

#include <cstddef>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "core/param_image.h"

namespace orvell {

struct ListedField {
    std::string_view key;   // the keyword-like name machines use
    std::string_view name;  // what a reader reads
    std::string_view unit;  // empty for counts, choices and flags
    std::size_t byte;
    int count;  // consecutive bytes, one value each (channels, points)
    Conversion conversion;
};

// Every field outside the rpm axis and the advance map, in the order of the window's pages.
const std::vector<ListedField>& ListedFields();

// The shown value of element i of a field.
int ShownValue(const ParamImage& image, const ListedField& field, int i);

void PrintSet(const ParamImage& image, std::ostream& out);
void PrintSetJson(const ParamImage& image, std::ostream& out);

// One line per differing field element, rpm breakpoint and map cell: "name: a -> b".
std::vector<std::string> DiffSets(const ParamImage& a, const ParamImage& b);

}  // namespace orvell
