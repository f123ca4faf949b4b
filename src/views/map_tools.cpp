#include "views/map_tools.h"

#include <algorithm>
#include <cmath>

namespace orvell {

namespace {

constexpr int kHiddenTpsRow = kMapRows - 1;  // the one row shown with the TPS map off

bool RowShown(int row, bool tpsMap) {
    return tpsMap || row == kHiddenTpsRow;
}

std::size_t At(int row, int column) {
    return static_cast<std::size_t>(kMapColumns * row + column);
}

int Limit(long long value) {
    return static_cast<int>(std::clamp<long long>(value, kCellMin, kCellMax));
}

std::string_view Trim(std::string_view s) {
    while (!s.empty() && (s.front() == ' ' || s.front() == '\r')) s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\r')) s.remove_suffix(1);
    return s;
}

// A field: empty (nullopt inside), or a number rounded half away from zero and limited to the
// cell range. False when the field is no number.
bool ParseField(std::string_view field, std::optional<int>& out) {
    field = Trim(field);
    out.reset();
    if (field.empty()) return true;
    bool negative = false;
    if (field.front() == '+' || field.front() == '-') {
        negative = field.front() == '-';
        field.remove_prefix(1);
    }
    long long whole = 0;
    int digits = 0;
    std::size_t i = 0;
    for (; i < field.size() && field[i] >= '0' && field[i] <= '9'; ++i, ++digits) {
        // Anything this large is limited to the range's end anyway.
        whole = std::min<long long>(whole * 10 + (field[i] - '0'), 1'000'000);
    }
    bool roundUp = false;
    if (i < field.size() && (field[i] == '.' || field[i] == ',')) {
        ++i;
        if (i < field.size() && field[i] >= '0' && field[i] <= '9') roundUp = field[i] >= '5';
        for (; i < field.size() && field[i] >= '0' && field[i] <= '9'; ++i) ++digits;
    }
    if (digits == 0 || i != field.size()) return false;
    const long long magnitude = whole + (roundUp ? 1 : 0);
    out = Limit(negative ? -magnitude : magnitude);
    return true;
}

}  // namespace

CellMask ToolCells(const TSelcell& selection, bool tpsMap, int focusedCell) {
    CellMask cells{};
    bool any = false;
    for (int r = 0; r < kMapRows; ++r) {
        if (!RowShown(r, tpsMap)) continue;
        for (int c = 0; c < kMapColumns; ++c) {
            const bool marked = selection.Selected(10 * r + c);
            cells[At(r, c)] = marked;
            any = any || marked;
        }
    }
    if (!any && focusedCell >= 0 && focusedCell < kMapCells &&
        RowShown(focusedCell / kMapColumns, tpsMap)) {
        cells[static_cast<std::size_t>(focusedCell)] = true;
    }
    return cells;
}

bool AnyCell(const CellMask& cells) {
    return FirstCell(cells) >= 0;
}

int FirstCell(const CellMask& cells) {
    const auto* found = std::find(cells.begin(), cells.end(), true);
    return found == cells.end() ? -1 : static_cast<int>(found - cells.begin());
}

std::string CopyCellsText(const ParamImage& image, const CellMask& cells) {
    int r0 = kMapRows;
    int r1 = -1;
    int c0 = kMapColumns;
    int c1 = -1;
    for (int r = 0; r < kMapRows; ++r) {
        for (int c = 0; c < kMapColumns; ++c) {
            if (!cells[At(r, c)]) continue;
            r0 = std::min(r0, r);
            r1 = std::max(r1, r);
            c0 = std::min(c0, c);
            c1 = std::max(c1, c);
        }
    }
    std::string text;
    for (int r = r0; r <= r1; ++r) {
        for (int c = c0; c <= c1; ++c) {
            if (c > c0) text += '\t';
            if (cells[At(r, c)]) text += std::to_string(image.MapCell(r, c));
        }
        text += '\n';
    }
    return text;
}

std::optional<CellTable> ParseCellTable(std::string_view text) {
    CellTable table;
    bool anyNumber = false;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        const std::string_view line = text.substr(0, end);
        text = end == std::string_view::npos ? std::string_view{} : text.substr(end + 1);
        auto& row = table.emplace_back();
        std::string_view rest = line;
        while (true) {
            const std::size_t sep = rest.find_first_of("\t;");
            std::optional<int> value;
            if (!ParseField(rest.substr(0, sep), value)) return std::nullopt;
            anyNumber = anyNumber || value.has_value();
            row.push_back(value);
            if (sep == std::string_view::npos) break;
            rest.remove_prefix(sep + 1);
        }
    }
    // Blank lines at the end (a spreadsheet ends its copy with a line break) are no rows.
    while (!table.empty() &&
           std::none_of(table.back().begin(), table.back().end(),
                        [](const std::optional<int>& v) { return v.has_value(); })) {
        table.pop_back();
    }
    if (!anyNumber) return std::nullopt;
    return table;
}

int PasteCells(ParamImage& image, const CellTable& table, int row, int column, bool tpsMap) {
    int written = 0;
    for (std::size_t i = 0; i < table.size(); ++i) {
        const int r = row + static_cast<int>(i);
        if (r < 0 || r >= kMapRows) break;
        if (!RowShown(r, tpsMap)) continue;
        const auto& fields = table[i];
        for (std::size_t j = 0; j < fields.size(); ++j) {
            const int c = column + static_cast<int>(j);
            if (c < 0 || c >= kMapColumns) break;
            if (!fields[j]) continue;
            image.MapCell(r, c) = static_cast<std::uint8_t>(*fields[j]);
            ++written;
        }
    }
    return written;
}

int ApplyCellOperation(ParamImage& image, const CellMask& cells, CellOperation operation,
                       int operand) {
    std::array<int, kMapCells> before{};
    for (int k = 0; k < kMapCells; ++k)
        before[static_cast<std::size_t>(k)] = image.MapCell(k / 10, k % 10);
    int changed = 0;
    for (int r = 0; r < kMapRows; ++r) {
        for (int c = 0; c < kMapColumns; ++c) {
            if (!cells[At(r, c)]) continue;
            const long long value = before[At(r, c)];
            long long result = value;
            switch (operation) {
                case CellOperation::Set:
                    result = operand;
                    break;
                case CellOperation::Add:
                    result = value + operand;
                    break;
                case CellOperation::Scale:
                    // Rounded half up; a negative factor counts as zero.
                    result = (2 * value * std::max(operand, 0) + 100) / 200;
                    break;
                case CellOperation::Smooth: {
                    long long sum = 0;
                    long long count = 0;
                    for (int nr = std::max(r - 1, 0); nr <= std::min(r + 1, kMapRows - 1); ++nr) {
                        for (int nc = std::max(c - 1, 0); nc <= std::min(c + 1, kMapColumns - 1);
                             ++nc) {
                            if (!cells[At(nr, nc)]) continue;
                            sum += before[At(nr, nc)];
                            ++count;
                        }
                    }
                    result = (2 * sum + count) / (2 * count);
                    break;
                }
            }
            const int limited = Limit(result);
            if (limited != value) {
                image.MapCell(r, c) = static_cast<std::uint8_t>(limited);
                ++changed;
            }
        }
    }
    return changed;
}

}  // namespace orvell
