// Grouping in a typed value. The system's text-to-number conversion drops a
// grouping mark wherever it stands, so a value typed with a decimal comma
// where the decimal mark is a full stop reads ten or a hundred times too
// large ("4,7" as 47, "1,5" as 15): the value box takes no grouping at all.
#pragma once
#include <optional>
#include <string>
#include <string_view>

namespace writer {

// The text to type in place of one with grouping, and whether its mark
// stood as a group separator ("1,000": digits in groups of three after it)
// rather than as a decimal mark ("4,7").
struct Ungrouped {
    std::wstring example;
    bool groupSeparator = false;
};

// For a text that holds the user's grouping separator `group`, or a comma
// where the decimal mark `decimal` is not one: the text to type in its place,
// with the typed digits where they make a plain number ("1000" for "1,000",
// "1234.5" for "1,234.5", "4.7" for "4,7", "5" for "5,"), else "4.7" with
// the user's mark. None for a text that holds neither. Spaces at its ends
// are not grouping.
std::optional<Ungrouped> UngroupedText(std::wstring_view text, std::wstring_view decimal, std::wstring_view group);

}  // namespace writer
