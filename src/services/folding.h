// Text as the user's keyboard typed it, folded to the forms the program reads.
#pragma once
#include <string>

namespace services {

// The decimal digits of every script the system knows (Persian, Arabic-Indic,
// Devanagari, full-width ...) as 0 to 9, and compatibility forms (full-width
// letters and signs, the narrow no-break space) as their plain ones, as the
// system folds them. The text as it is when the system cannot fold it.
std::wstring FoldedText(const std::wstring& text);

}  // namespace services
