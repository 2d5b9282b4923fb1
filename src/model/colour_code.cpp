#include "model/colour_code.h"

#include "base/number_text.h"

namespace model {

const std::array<std::uint32_t, kColourCount> kBandColours = {
    0x000000, 0x004080, 0x0000FF, 0x0080FF, 0x00FFFF, 0x00FF00,
    0xFF0000, 0xC000C0, 0x808080, 0xFFFFFF, 0xE0E0E0, 0x80C0FF,
};

const std::array<const wchar_t*, kColourCount> kColourNames = {
    L"Black", L"Brown", L"Red", L"Orange", L"Yellow", L"Green",
    L"Blue", L"Purple", L"Gray", L"White", L"Silver", L"Gold",
};

namespace {

// Keys are compared as their plain decimal texts, character for character,
// so "01", " 1" and "1.0" are not keys.
template <std::size_t N, typename Key>
int FindKey(const std::array<Key, N>& keys, const std::wstring& text) {
    for (std::size_t row = 0; row < N; ++row)
        if (base::IntegerText(keys[row]) == text) return static_cast<int>(row);
    return -1;
}

constexpr std::array<int, kColourCount> kIndexes = {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11};
constexpr std::array<int, kToleranceCount> kPositions = {0, 1, 2, 3, 4, 5, 6, 7};

}  // namespace

std::optional<ColourIndex> IndexOfText(const std::wstring& index) {
    const int row = FindKey(kIndexes, index);
    return row < 0 ? std::nullopt : std::optional(static_cast<ColourIndex>(row));
}

std::wstring Rang(const std::wstring& index) {
    const std::optional<ColourIndex> row = IndexOfText(index);
    return row ? base::IntegerText(kBandColours[*row]) : std::wstring();
}

std::wstring Rang2(const std::wstring& colour) {
    const int row = FindKey(kBandColours, colour);
    return row < 0 ? std::wstring() : base::IntegerText(row);
}

const ToleranceRow* ToleranceOfBand(int index) {
    for (const ToleranceRow& row : kTolerances)
        if (row.band == index) return &row;
    return nullptr;
}

std::wstring Tolerance(const std::wstring& index) {
    const std::optional<ColourIndex> row = IndexOfText(index);
    const ToleranceRow* tolerance = row ? ToleranceOfBand(*row) : nullptr;
    return tolerance ? tolerance->text : std::wstring();
}

std::wstring MAs(const std::wstring& position) {
    const int row = FindKey(kPositions, position);
    return row < 0 ? std::wstring() : base::IntegerText(kTolerances[static_cast<std::size_t>(row)].band);
}

}  // namespace model
