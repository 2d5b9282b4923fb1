// The plain decimal text of an integer, by the program's one number writer,
// under the name the colour-index hints and the series notes call it by.
#pragma once
#include <string>

#include "platform/number_text.h"

namespace model {

inline std::wstring IntText(long long value) { return platform::IntegerText(value); }

}  // namespace model
