// A label whose words stand under boxes, as a row of numbers under the
// swatches they name: placed by spaces in the design, kept under their boxes
// at every size.
#include <algorithm>
#include <utility>

#include "platform/form.h"

namespace platform {
namespace {

// Each word of `text` (a run of characters other than spaces): where it
// begins, and its length.
std::vector<std::pair<std::size_t, std::size_t>> WordsOf(const std::wstring& text) {
    std::vector<std::pair<std::size_t, std::size_t>> words;
    for (std::size_t at = text.find_first_not_of(L' '); at != std::wstring::npos;) {
        const std::size_t end = std::min(text.find(L' ', at), text.size());
        words.emplace_back(at, end - at);
        at = text.find_first_not_of(L' ', end);
    }
    return words;
}

// The centre of a box of `width` at `left`, both in pixels.
double Centre(int left, int width) { return left + width / 2.0; }

}  // namespace

void Control::SetWordsUnder(std::vector<const Control*> boxes) {
    wordsUnder_ = std::move(boxes);
    wordOffsets_.clear();
    Invalidate();
}

const std::vector<double>& Control::DesignWordOffsets() const {
    const auto words = WordsOf(text_);
    if (!wordOffsets_.empty() || wordsUnder_.empty() || words.size() != wordsUnder_.size()) return wordOffsets_;
    // Measured in the font as the design shows it, whatever the size now.
    const LOGFONTW design = MakeLogFont(ownFont_ ? OwnFontDef() : form_.Def().font, 96);
    const Font font(CreateFontIndirectW(&design));
    if (!font) return wordOffsets_;   // drawn as one caption until one can be had
    std::vector<double> offsets;
    for (std::size_t k = 0; k < words.size(); ++k) {
        const Control& box = *wordsUnder_[k];
        const int before = form_.MeasureText(font.get(), text_.substr(0, words[k].first)).cx;
        const int width = form_.MeasureText(font.get(), text_.substr(words[k].first, words[k].second)).cx;
        if (width <= 0) return wordOffsets_;   // not measured: kept for no later paint
        offsets.push_back(Centre(TwipsToPixels(left_, 96) + before, width) -
                          Centre(TwipsToPixels(box.left_, 96), TwipsToPixels(box.width_, 96)));
    }
    wordOffsets_ = std::move(offsets);
    return wordOffsets_;
}

void Control::DrawCaption(HDC dc, RECT r, UINT format) const {
    const std::vector<double>& offsets = DesignWordOffsets();
    if (offsets.empty()) {
        DrawTextW(dc, text_.c_str(), -1, &r, format);
        return;
    }
    // At 96 dpi each word lands on the very pixel the whole caption puts it at.
    const auto words = WordsOf(text_);
    const int left = OuterInContainer().left;
    const double scale = Dpi() / 96.0;
    for (std::size_t k = 0; k < words.size(); ++k) {
        const std::wstring word = text_.substr(words[k].first, words[k].second);
        const RECT box = wordsUnder_[k]->OuterInContainer();
        const double centre = Centre(box.left, box.right - box.left) + offsets[k] * scale;
        RECT at = r;
        at.left += RoundHalfEven(centre - form_.MeasureText(FontHandle(), word).cx / 2.0) - left;
        DrawTextW(dc, word.c_str(), static_cast<int>(word.size()), &at, format);
    }
}

}  // namespace platform
