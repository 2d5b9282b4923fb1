#include "support/random_input.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cwchar>

#include "model/colour_code.h"
#include "support/colour_table.h"
#include "support/expected_readout.h"
#include "support/gui.h"
#include "ui/form2.h"

namespace testing_gui {
namespace {

constexpr std::uint32_t kDefaultSeed = 4700;

// Bands of the four-band reader, the five-band reader and the writer, and the
// readouts of the two readers.
const std::vector<const wchar_t*> kReaderBands[2] = {
    {L"Picture8", L"Picture9", L"Picture10", L"Picture11"},
    {L"TT", L"HT", L"YT", L"QT", L"ET"},
};
const wchar_t* const kReadouts[2] = {L"Text4", L"Text3"};
const wchar_t* const kWriterBands[4] = {L"Picture1", L"Picture2", L"Picture3", L"Picture4"};

std::uint32_t Colour(int index) { return kColour[index]; }

std::string Hex(std::uint32_t value) {
    char text[16];
    std::snprintf(text, sizeof text, "0x%06X", static_cast<unsigned>(value));
    return text;
}

// A text for a failure message: printable ASCII as it is, the rest escaped,
// long texts cut short.
std::string Shown(const std::wstring& text) {
    std::string out = "\"";
    for (std::size_t i = 0; i < text.size() && i < 40; ++i) {
        const wchar_t c = text[i];
        if (c >= 0x20 && c < 0x7F && c != L'"' && c != L'\\') {
            out += static_cast<char>(c);
        } else {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\u%04X", static_cast<unsigned>(c));
            out += escaped;
        }
    }
    out += '"';
    if (text.size() > 40) out += "... (" + std::to_string(text.size()) + " characters)";
    return out;
}

std::string Narrow(const std::wstring& text) { return std::string(text.begin(), text.end()); }

// The About window closes itself from a timer that fires in its modal loop.
struct AboutCloser {
    ui::Form1* form = nullptr;
    bool ownerDisabled = false;
    bool shown = false;
    bool closed = false;
} g_closer;

void CALLBACK CloseAbout(HWND, UINT, UINT_PTR id, DWORD) {
    ui::Form2* about = g_closer.form->About();
    if (!about || !about->IsLoaded()) return;
    KillTimer(nullptr, id);
    g_closer.ownerDisabled = !IsWindowEnabled(g_closer.form->hWnd());
    g_closer.shown = IsWindowVisible(about->hWnd()) != FALSE;
    Click(about->Item(L"Picture1"));
    g_closer.closed = !about->IsLoaded();
}

std::wstring Digits(std::mt19937& rng, std::size_t count) {
    std::wstring text;
    for (std::size_t i = 0; i < count; ++i) text += static_cast<wchar_t>(L'0' + rng() % 10);
    return text;
}

// A draw from 0 to n - 1.
std::size_t Below(std::mt19937& rng, std::uint32_t n) { return static_cast<std::size_t>(rng() % n); }

// Texts a number reader may well get wrong: other notations, the ends of the
// writer's range, nothing at all.
const wchar_t* const kKnown[] = {
    L"4K7", L"1E400", L"NaN", L"Inf", L"&H10", L"$1,234.50", L"(12)", L"12-", L" 12 ", L"1,2,3",
    L"0", L".5", L"1e-3", L"0.009", L"0.01", L"99999999999", L"1e11", L"-0", L"1 234", L"4.7",
    L"47.5", L"0.47", L"-5", L"+47", L"1e308", L"2e-308", L"1,000,000", L"0x10", L"4700", L"",
};
const wchar_t* const kForeign[] = {
    L"\u06F4\u06F7\u06F0\u06F0",               // Persian digits 4700
    L"\u0664\u0667",                           // Arabic-Indic digits 47
    L"\u062F\u0631\u0628\u0627\u0631\u0647",   // a Persian word
    L"\U0001F600", L"\U0001F4A1\u200D",        // emoji, a joiner
    L"\uFF14\uFF17\uFF10\uFF10",               // full-width 4700
    L"\u03A9", L"\u00B5", L"\u00B1", L"\u00A0", L"\u2212", L"\uFEFF", L"\uFFFF", L"\xD800",
};
// Characters of numbers and of units, and a few that belong to neither.
const wchar_t kPool[] = L"0123456789.,-+eE $()&HKkMm\u00A0abc";
constexpr std::uint32_t kPoolSize = std::size(kPool) - 1;   // not the closing NUL

// Digits with a point: sometimes with no digits before it.
std::wstring Fraction(std::mt19937& rng) {
    return (Below(rng, 2) ? Digits(rng, 1 + Below(rng, 6)) : L"") + L"." + Digits(rng, 1 + Below(rng, 6));
}

// Digits with an exponent, its sign written or not.
std::wstring WithExponent(std::mt19937& rng) {
    std::wstring text = Digits(rng, 1 + Below(rng, 3));
    if (Below(rng, 2)) text += L"." + Digits(rng, 1 + Below(rng, 3));
    text += Below(rng, 2) ? L"e" : L"E";
    if (Below(rng, 2)) text += Below(rng, 2) ? L"-" : L"+";
    return text + Digits(rng, 1 + Below(rng, 3));
}

// A sign before or after, or the accountants' brackets.
std::wstring WithSign(std::mt19937& rng) {
    const std::wstring number = Digits(rng, 1 + Below(rng, 5));
    switch (Below(rng, 4)) {
    case 0: return L"-" + number;
    case 1: return L"+" + number;
    case 2: return L"(" + number + L")";
    default: return number + L"-";
    }
}

// Thousands grouped with commas.
std::wstring InThousands(std::mt19937& rng) {
    std::wstring text = Digits(rng, 1 + Below(rng, 3));
    for (std::size_t groups = 1 + Below(rng, 4); groups > 0; --groups) text += L"," + Digits(rng, 3);
    return text;
}

// Long: mostly digits, now and then with anything in between.
std::wstring Long(std::mt19937& rng) {
    std::wstring text = Digits(rng, Below(rng, 4) == 0 ? 1 + Below(rng, 10000) : 12 + Below(rng, 200));
    if (Below(rng, 2))
        for (std::size_t k = Below(rng, 5); k > 0; --k)
            text[Below(rng, static_cast<std::uint32_t>(text.size()))] = kPool[Below(rng, kPoolSize)];
    return text;
}

// Digits and text of other scripts and planes, in turns.
std::wstring Foreign(std::mt19937& rng) {
    std::wstring text;
    for (std::size_t k = 1 + Below(rng, 4); k > 0; --k)
        text += Below(rng, 2) ? std::wstring(kForeign[Below(rng, std::size(kForeign))])
                              : Digits(rng, 1 + Below(rng, 3));
    return text;
}

// Control characters among digits (never NUL: a window text ends there).
std::wstring WithControls(std::mt19937& rng) {
    std::wstring text = Digits(rng, 1 + Below(rng, 4));
    for (std::size_t k = 1 + Below(rng, 3); k > 0; --k) {
        const wchar_t control = Below(rng, 8) == 0 ? L'\x7F' : static_cast<wchar_t>(1 + Below(rng, 31));
        text.insert(Below(rng, static_cast<std::uint32_t>(text.size() + 1)), 1, control);
    }
    return text;
}

// A short jumble of the pool's characters.
std::wstring FromPool(std::mt19937& rng) {
    std::wstring text;
    for (std::size_t k = 1 + Below(rng, 12); k > 0; --k) text += kPool[Below(rng, kPoolSize)];
    return text;
}

// A number in the writer's range, written by the C library.
std::wstring Printed(std::mt19937& rng) {
    wchar_t text[64];
    const double value = (1 + Below(rng, 9999)) * std::pow(10.0, static_cast<int>(Below(rng, 14)) - 4);
    std::swprintf(text, 64, L"%.*g", static_cast<int>(1 + Below(rng, 6)), value);
    return text;
}

}  // namespace

std::uint32_t RandomSeed() {
    const char* text = std::getenv("BANDORA_RANDOM_SEED");
    if (!text || !*text) return kDefaultSeed;
    return static_cast<std::uint32_t>(std::strtoul(text, nullptr, 0));
}

int RandomSteps(int fallback) {
    const char* text = std::getenv("BANDORA_RANDOM_STEPS");
    if (!text || !*text) return fallback;
    return std::atoi(text);
}

std::wstring RandomText(std::mt19937& rng) {
    switch (Below(rng, 12)) {
    case 0: return L"";
    case 1: return Digits(rng, 1 + Below(rng, 15));
    case 2: return Fraction(rng);
    case 3: return WithExponent(rng);
    case 4: return WithSign(rng);
    case 5: return InThousands(rng);
    case 6: return Long(rng);
    case 7: return Foreign(rng);
    case 8: return WithControls(rng);
    case 9: return FromPool(rng);
    case 10: return kKnown[Below(rng, std::size(kKnown))];
    default: return Printed(rng);
    }
}

std::string OpenAndCloseAbout(ui::Form1& form) {
    g_closer = AboutCloser{&form};
    const UINT_PTR timer = SetTimer(nullptr, 0, 1, CloseAbout);
    SendMessageW(form.Item(L"CAb").hWnd(), BM_CLICK, 0, 0);   // returns once About is closed
    KillTimer(nullptr, timer);
    if (!g_closer.shown) return "About was not shown";
    if (!g_closer.ownerDisabled) return "the main window took input while About was open";
    if (!g_closer.closed) return "a click on About's picture did not close it";
    return std::string();
}

RandomSession::RandomSession(ui::Form1& form, std::uint32_t seed, Options options)
    : form_(form), seed_(seed), options_(options), rng_(seed),
      readerBands_{{model::White, model::White, model::Black, model::Green},
                   {model::White, model::White, model::White, model::Black, model::Green}},
      writerBands_{model::Yellow, model::Purple, model::Red, model::Gold}, text1_(L"4700"), selection_(6) {
    auto modelled = [](const std::wstring& name) {
        for (const auto* bands : {&kReaderBands[0], &kReaderBands[1]})
            for (const wchar_t* band : *bands)
                if (name == band) return true;
        for (const wchar_t* band : kWriterBands)
            if (name == band) return true;
        return name == L"Text1" || name == L"Text3" || name == L"Text4" || name == L"Combo1";
    };
    for (const auto& control : form_.Controls()) {
        const std::wstring& name = control->Name();
        const bool hasText = control->kind() == platform::Kind::Label || control->kind() == platform::Kind::CommandButton;
        if (!modelled(name))
            others_.push_back({control.get(), control->BackColor(), hasText ? control->Text() : L"", control->Visible()});
        if (control->Index() >= 0) {
            swatches_.push_back(control.get());
        } else if (control->kind() == platform::Kind::Label && !control->Container()) {
            labels_.push_back(control.get());
        } else if (control->kind() == platform::Kind::PictureBox && control->Visible() && name != L"PicCal" && name != L"Pab") {
            inert_.push_back(control.get());   // bands, drawings, legend swatches, the ohm sign
        }
    }
}

std::string RandomSession::Run(int steps) {
    if (step_ == 0) {
        const std::string fault = Check(true);
        if (!fault.empty()) return "seed " + std::to_string(seed_) + ", before the first step: " + fault;
    }
    for (int i = 0; i < steps; ++i) {
        ++step_;
        stepFault_.clear();
        const std::string did = Step();
        if (step_ % 64 == 0) DispatchWaiting();
        const bool pixels = options_.pixelCheckEvery > 0 && (step_ % options_.pixelCheckEvery == 0 || i + 1 == steps);
        const std::string fault = stepFault_.empty() ? Check(pixels) : stepFault_;
        if (!fault.empty())
            return "seed " + std::to_string(seed_) + " (BANDORA_RANDOM_SEED), step " + std::to_string(step_) + " [" +
                   did + "]: " + fault;
    }
    return std::string();
}

std::string RandomSession::Step() {
    const std::uint32_t roll = Below(1000);
    if (roll < 400) return ClickSwatch();
    if (roll < 600) return ClickElsewhere();
    if (roll < 750) {
        text1_ = RandomText(rng_);
        SetText(C(L"Text1").hWnd(), text1_);
        return "Text1 = " + Shown(text1_);
    }
    if (roll < 850) {
        selection_ = static_cast<int>(Below(9)) - 1;
        SendMessageW(C(L"Combo1").hWnd(), CB_SETCURSEL, static_cast<WPARAM>(selection_), 0);
        return "list position " + std::to_string(selection_);
    }
    if (roll < 995 || !options_.about) {
        Calculate();
        return "Calculate";
    }
    ++aboutCycles_;
    stepFault_ = OpenAndCloseAbout(form_);
    return "About";
}

void RandomSession::Expect(const Swatch& clicked) {
    readerBands_[clicked.column->reader][static_cast<std::size_t>(clicked.column->band)] = clicked.index;
    readouts_[clicked.column->reader] = ExpectedReadout(readerBands_[clicked.column->reader]);
}

std::string RandomSession::Named(const Swatch& swatch) {
    return Narrow(swatch.column->name) + "(" + std::to_string(swatch.index) + ")";
}

std::string RandomSession::ClickSwatch() {
    platform::Control& swatch = *swatches_[Below(static_cast<std::uint32_t>(swatches_.size()))];
    return ClickBox(swatch);
}

std::string RandomSession::ClickBox(platform::Control& target) {
    const RECT client = ClientRectOf(target);
    const POINT at{static_cast<LONG>(Below(static_cast<std::uint32_t>(client.right))),
                   static_cast<LONG>(Below(static_cast<std::uint32_t>(client.bottom)))};
    // Boxes overlap (a Black swatch lies over the bottom of a drawing): where
    // the point lies in a swatch, the click is that swatch's.
    const WindowPoint p = WindowPointOf(target, at);
    const std::optional<Swatch> hit = SwatchClickedAt(p.at);
    Click(p.hwnd, p.at);
    std::string what = "click " + Narrow(target.Name()) + "(" + std::to_string(target.Index()) + ") at " +
                       std::to_string(at.x) + "," + std::to_string(at.y);
    if (!hit) return what + ", on no swatch";
    Expect(*hit);
    return what + ", on " + Named(*hit);
}

std::string RandomSession::ClickElsewhere() {
    // Nothing here has a handler: bands, drawings, legend swatches, the ohm
    // sign, the labels and the bare window.
    const std::uint32_t kind = Below(3);
    if (kind == 0) return ClickBox(*inert_[Below(static_cast<std::uint32_t>(inert_.size()))]);
    POINT at{};
    std::string what;
    if (kind == 1) {
        const platform::Control& label = *labels_[Below(static_cast<std::uint32_t>(labels_.size()))];
        const RECT r = label.OuterInContainer();
        at = {r.left + static_cast<LONG>(Below(static_cast<std::uint32_t>(r.right - r.left))),
              r.top + static_cast<LONG>(Below(static_cast<std::uint32_t>(r.bottom - r.top)))};
        what = "click label " + Narrow(label.Name());
    } else {
        const RECT client = ClientRectOf(form_.hWnd());
        at = {static_cast<LONG>(Below(static_cast<std::uint32_t>(client.right))),
              static_cast<LONG>(Below(static_cast<std::uint32_t>(client.bottom)))};
        what = "click the window";
    }
    // A spot of the window may be a swatch: a click there is the swatch's.
    if (const std::optional<Swatch> hit = SwatchClickedAt(at)) {
        Expect(*hit);
        what += ", on " + Named(*hit);
    }
    Click(form_.hWnd(), at);
    return what + " at " + std::to_string(at.x) + "," + std::to_string(at.y);
}

void RandomSession::Calculate() {
    SendMessageW(C(L"CCal").hWnd(), BM_CLICK, 0, 0);
    if (const auto value = TypedNumber(text1_)) {
        if (const auto bands = ExpectedWriterBands(*value)) std::copy(bands->begin(), bands->end(), writerBands_);
    }
    if (selection_ < 0 || selection_ > 7) selection_ = 6;
    writerBands_[3] = kToleranceBand[selection_];
}

std::string RandomSession::BandFault(const wchar_t* name, int expected, bool onScreen) const {
    const platform::Control& control = C(name);
    if (control.BackColor() != Colour(expected))
        return Narrow(name) + " is " + Hex(control.BackColor()) + ", should be " + Hex(Colour(expected));
    if (onScreen) {
        const RECT client = ClientRectOf(control);
        const COLORREF shown = PixelAt(control, client.right / 2, client.bottom / 2);
        if (shown != Colour(expected))
            return Narrow(name) + " shows " + Hex(shown) + ", should be " + Hex(Colour(expected));
    }
    return std::string();
}

std::string RandomSession::Check(bool pixels) const {
    for (int r = 0; r < 2; ++r) {
        for (std::size_t i = 0; i < kReaderBands[r].size(); ++i) {
            const std::string fault = BandFault(kReaderBands[r][i], readerBands_[r][i], pixels);
            if (!fault.empty()) return fault;
        }
        const std::wstring readout = C(kReadouts[r]).Text();
        if (readout != readouts_[r])
            return Narrow(kReadouts[r]) + " reads " + Shown(readout) + ", should read " + Shown(readouts_[r]);
    }
    for (int i = 0; i < 4; ++i) {
        const std::string fault = BandFault(kWriterBands[i], writerBands_[i], pixels);
        if (!fault.empty()) return fault;
    }
    const std::wstring text1 = C(L"Text1").Text();
    if (text1 != text1_) return "Text1 holds " + Shown(text1) + ", was set to " + Shown(text1_);
    const int selection = C(L"Combo1").ListIndex();
    if (selection != selection_)
        return "list position is " + std::to_string(selection) + ", should be " + std::to_string(selection_);
    for (const Watched& w : others_) {
        const bool hasText = !w.text.empty();
        if (w.control->BackColor() != w.back || w.control->Visible() != w.visible ||
            (hasText && w.control->Text() != w.text))
            return Narrow(w.control->Name()) + (w.control->Index() >= 0 ? "(" + std::to_string(w.control->Index()) + ")" : "") +
                   " changed";
    }
    if (!IsWindowEnabled(form_.hWnd())) return "the main window is disabled";
    if (form_.About() && form_.About()->IsLoaded()) return "the About window is still open";
    return std::string();
}

}  // namespace testing_gui
