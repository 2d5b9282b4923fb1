#include "writer/grouping.h"

#include <vector>

namespace writer {
namespace {

using Pieces = std::vector<std::wstring_view>;

bool AllDigits(std::wstring_view text) {
    for (wchar_t c : text)
        if (c < L'0' || c > L'9') return false;
    return !text.empty();
}

std::wstring_view Trimmed(std::wstring_view text) {
    const std::size_t first = text.find_first_not_of(L" \t");
    if (first == std::wstring_view::npos) return {};
    return text.substr(first, text.find_last_not_of(L" \t") - first + 1);
}

// The text between the marks: `group` matched whole, and each comma when
// the comma is a mark too.
Pieces SplitAtMarks(std::wstring_view text, std::wstring_view group, bool comma) {
    Pieces pieces;
    std::size_t start = 0;
    for (std::size_t i = 0; i < text.size();) {
        const std::size_t mark = !group.empty() && text.substr(i, group.size()) == group ? group.size()
                                 : comma && text[i] == L','                              ? 1
                                                                                          : 0;
        if (!mark) {
            ++i;
            continue;
        }
        pieces.push_back(text.substr(start, i - start));
        start = i += mark;
    }
    pieces.push_back(text.substr(start));
    return pieces;
}

// "1,000" or "1,234,567.5": one to three digits (not led by 0), then groups
// of three, the last perhaps with a fraction after the decimal mark. The
// same without the marks; none for other texts.
std::optional<std::wstring> WithoutGrouping(const Pieces& pieces, std::wstring_view decimal) {
    std::wstring_view last = pieces.back();
    const std::size_t point = decimal.empty() ? std::wstring_view::npos : last.find(decimal);
    const std::wstring_view fraction = point == std::wstring_view::npos ? std::wstring_view() : last.substr(point);
    last = last.substr(0, point);
    if (!fraction.empty() && !AllDigits(fraction.substr(decimal.size()))) return std::nullopt;
    const std::wstring_view first = pieces.front();
    if (!AllDigits(first) || first.size() > 3 || first[0] == L'0') return std::nullopt;
    std::wstring joined(first);
    for (std::size_t i = 1; i < pieces.size(); ++i) {
        const std::wstring_view three = i + 1 == pieces.size() ? last : pieces[i];
        if (three.size() != 3 || !AllDigits(three)) return std::nullopt;
        joined += three;
    }
    return joined + std::wstring(fraction);
}

// "4,7", "5," or ",5": one mark by digits, taken for a decimal mark. The
// user's mark in its place; none for other texts.
std::optional<std::wstring> WithDecimalMark(const Pieces& pieces, std::wstring_view decimal) {
    if (pieces.size() != 2) return std::nullopt;
    const std::wstring_view whole = pieces[0], fraction = pieces[1];
    if ((whole.empty() && fraction.empty()) || (!whole.empty() && !AllDigits(whole)) ||
        (!fraction.empty() && !AllDigits(fraction)))
        return std::nullopt;
    return std::wstring(whole) + (fraction.empty() ? std::wstring() : std::wstring(decimal) + std::wstring(fraction));
}

}  // namespace

std::optional<Ungrouped> UngroupedText(std::wstring_view text, std::wstring_view decimal, std::wstring_view group) {
    const Pieces pieces = SplitAtMarks(Trimmed(text), group, decimal != L",");
    if (pieces.size() == 1) return std::nullopt;
    if (auto grouped = WithoutGrouping(pieces, decimal)) return Ungrouped{*grouped, true};
    if (auto marked = WithDecimalMark(pieces, decimal)) return Ungrouped{*marked, false};
    return Ungrouped{L"4" + std::wstring(decimal) + L"7", false};
}

}  // namespace writer
