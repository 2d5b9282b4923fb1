#include "services/conversions.h"

#include <windows.h>
#include <oleauto.h>

#include "services/system_library.h"

namespace services {
namespace {

// OLE Automation, loaded when first needed: loading it (and the COM libraries
// it brings) costs more than the rest of the start-up does before the window
// is painted, and the window needs no conversion it cannot do without it.
struct OleAutomation {
    decltype(&::SysAllocStringLen) allocString = nullptr;
    decltype(&::SysFreeString) freeString = nullptr;
    decltype(&::SysStringLen) stringLength = nullptr;
    decltype(&::VarR8FromStr) doubleFromText = nullptr;
    decltype(&::VarBstrFromR8) textFromDouble = nullptr;

    // Loaded once it can be: a load that failed is tried again when next needed.
    static const OleAutomation* Get() {
        static OleAutomation loaded;
        if (!loaded.textFromDouble) loaded = Load();
        return loaded.textFromDouble ? &loaded : nullptr;
    }

private:
    static OleAutomation Load() {
        OleAutomation api;
        HMODULE dll = services::LoadSystemLibrary(L"oleaut32.dll");
        if (!dll) return api;
        FindProc(dll, "SysAllocStringLen", api.allocString);
        FindProc(dll, "SysFreeString", api.freeString);
        FindProc(dll, "SysStringLen", api.stringLength);
        FindProc(dll, "VarR8FromStr", api.doubleFromText);
        FindProc(dll, "VarBstrFromR8", api.textFromDouble);
        if (!api.allocString || !api.freeString || !api.stringLength || !api.doubleFromText) api.textFromDouble = nullptr;
        return api;
    }
};

// Owns a BSTR for the length of a call.
class Bstr {
public:
    explicit Bstr(const OleAutomation& api) : api_(api) {}
    Bstr(const OleAutomation& api, const std::wstring& text)
        : api_(api), b_(api.allocString(text.data(), static_cast<UINT>(text.size()))) {}
    ~Bstr() { api_.freeString(b_); }
    Bstr(const Bstr&) = delete;
    Bstr& operator=(const Bstr&) = delete;
    BSTR* out() { return &b_; }
    BSTR get() const { return b_; }
    std::wstring str() const { return b_ ? std::wstring(b_, api_.stringLength(b_)) : std::wstring(); }
private:
    const OleAutomation& api_;
    BSTR b_ = nullptr;
};

std::wstring NumberText(double value, LCID locale) {
    const OleAutomation* api = OleAutomation::Get();
    if (!api) return std::wstring();
    Bstr text(*api);
    if (FAILED(api->textFromDouble(value, locale, 0, text.out()))) return std::wstring();
    return text.str();
}

// Up to 15 plain digits: a whole number a double holds exactly, read the same
// in every locale.
std::optional<double> PlainDigits(const std::wstring& text) {
    if (text.empty() || text.size() > 15) return std::nullopt;
    double value = 0;
    for (wchar_t c : text) {
        if (c < L'0' || c > L'9') return std::nullopt;
        value = value * 10 + (c - L'0');
    }
    return value;
}

// Whether a number's digits before its exponent are not all 0: "1e-400"
// names a value, "0.0e5" none.
bool NamesNonZero(const std::wstring& text) {
    for (wchar_t c : text) {
        if (c == L'e' || c == L'E') return false;
        if (c >= L'1' && c <= L'9') return true;
    }
    return false;
}

}  // namespace

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

ReadNumber ReadDouble(const std::wstring& text) {
    // oleaut32 takes a BSTR; a string with an embedded NUL would be cut short
    // and read as something the user did not type.
    if (text.find(L'\0') != std::wstring::npos) return {};
    // The typed value at start-up is such a number: it needs no OLE Automation.
    if (const auto digits = PlainDigits(text)) return {digits};
    const OleAutomation* api = OleAutomation::Get();
    if (!api) return {};
    Bstr in(*api, text);
    if (!in.get() && !text.empty()) return {};
    double value = 0;
    BSTR given = in.get() ? in.get() : const_cast<OLECHAR*>(L"");
    const HRESULT read = api->doubleFromText(given, LOCALE_USER_DEFAULT, 0, &value);
    if (read == DISP_E_OVERFLOW) return {std::nullopt, true};
    if (FAILED(read)) return {};
    // Below the smallest double the system gives 0 and no error.
    if (value == 0 && NamesNonZero(text)) return {std::nullopt, true};
    return {value};
}

std::wstring PaddedNumberText(double value) {
    std::wstring text = NumberText(value, LOCALE_INVARIANT);
    if (!text.empty() && !(value < 0)) text.insert(text.begin(), L' ');
    return text;
}

std::wstring PlainNumberText(double value) { return NumberText(value, LOCALE_USER_DEFAULT); }

std::wstring DecimalSeparator() {
    wchar_t separator[8] = {};   // a locale's separator has at most three characters
    if (!GetLocaleInfoW(LOCALE_USER_DEFAULT, LOCALE_SDECIMAL, separator, 8) || !separator[0]) return L".";
    return separator;
}

std::wstring GroupSeparator() {
    wchar_t separator[8] = {};   // at most three characters, as the decimal one
    if (!GetLocaleInfoW(LOCALE_USER_DEFAULT, LOCALE_STHOUSAND, separator, 8)) return std::wstring();
    return separator;
}

}  // namespace services
