#include "platform/conversions.h"

#include <windows.h>
#include <oleauto.h>

namespace platform {
namespace {

// Owns a BSTR for the length of a call.
class Bstr {
public:
    Bstr() = default;
    explicit Bstr(const std::wstring& text)
        : b_(SysAllocStringLen(text.data(), static_cast<UINT>(text.size()))) {}
    ~Bstr() { SysFreeString(b_); }
    Bstr(const Bstr&) = delete;
    Bstr& operator=(const Bstr&) = delete;
    BSTR* out() { return &b_; }
    BSTR get() const { return b_; }
    std::wstring str() const { return b_ ? std::wstring(b_, SysStringLen(b_)) : std::wstring(); }
private:
    BSTR b_ = nullptr;
};

std::wstring NumberText(double value, LCID locale) {
    Bstr text;
    if (FAILED(VarBstrFromR8(value, locale, 0, text.out()))) return std::wstring();
    return text.str();
}

}  // namespace

std::wstring IntegerText(long long value) { return std::to_wstring(value); }

std::optional<std::int32_t> TextToInt32(const std::wstring& text) {
    if (text.empty() || text.size() > 11) return std::nullopt;
    std::size_t i = text[0] == L'-' ? 1 : 0;
    if (i == text.size()) return std::nullopt;
    long long value = 0;
    for (std::size_t k = i; k < text.size(); ++k) {
        if (text[k] < L'0' || text[k] > L'9') return std::nullopt;
        value = value * 10 + (text[k] - L'0');
    }
    if (i) value = -value;
    if (value < INT32_MIN || value > INT32_MAX) return std::nullopt;
    return static_cast<std::int32_t>(value);
}

std::optional<double> TextToDouble(const std::wstring& text) {
    // oleaut32 takes a BSTR; a string with an embedded NUL would be cut short
    // and read as something the user did not type.
    if (text.find(L'\0') != std::wstring::npos) return std::nullopt;
    Bstr in(text);
    if (!in.get() && !text.empty()) return std::nullopt;
    double value = 0;
    if (FAILED(VarR8FromStr(in.get() ? in.get() : const_cast<OLECHAR*>(L""),
                            LOCALE_USER_DEFAULT, 0, &value)))
        return std::nullopt;
    return value;
}

std::wstring PaddedNumberText(double value) {
    std::wstring text = NumberText(value, LOCALE_INVARIANT);
    if (!(value < 0)) text.insert(text.begin(), L' ');
    return text;
}

std::wstring PlainNumberText(double value) { return NumberText(value, LOCALE_USER_DEFAULT); }

}  // namespace platform
