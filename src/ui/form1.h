// The main window: two readers, the four-band writer and the legend.
#pragma once
#include <array>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "model/colour_code.h"
#include "platform/form.h"
#include "reader/readout.h"
#include "screen_reader/accessible.h"
#include "services/conversions.h"
#include "tips/tooltips.h"
#include "ui/palettes.h"
#include "words/control_words.h"
#include "writer/band_choice.h"
#include "writer/readout_entry.h"

namespace ui {

class Form2;

// The address the window caption and the About window give for the program.
inline constexpr wchar_t kWebAddress[] = L"bandora.example";
inline constexpr wchar_t kCaptionPrefix[] = L"Bandora  --  ";

// "4.7" in the user's number style: the platform's own, or without OLE
// Automation the readout's formatter with the user's decimal separator,
// which gives the same text for every value a readout shows.
std::wstring PlainNumber(double value);
// Values in the readouts, the notes and the balloons are written in the
// platform's own number styles.
inline constexpr reader::NumberTexts kPlatformNumbers{services::PaddedNumberText, PlainNumber};

// What an empty readout shows in grey, and what its tip and a screen
// reader's help say of its use.
inline constexpr wchar_t kReadoutCue[] = L"Type a value, Enter";
inline constexpr wchar_t kReadoutUse[] = L"Type a value and press Enter; Up and Down step through standard values";

// The tolerance list's "±5%": selected at start, and what "Calculate" takes
// while nothing is selected.
inline constexpr int kFivePercentPosition = model::ListPositionOf(model::Gold);

std::vector<platform::ControlDef> Form1Layout();
platform::FormDef Form1Def();

// The controls of a drawing, its bands and its readout.
struct BandControls {
    const Drawing* shape = nullptr;   // its row of kReaders, or kWriter
    platform::Control* drawing = nullptr;
    std::array<platform::Control*, 3> digits{};
    int digitCount = 0;
    platform::Control* multiplier = nullptr;
    platform::Control* tolerance = nullptr;
    platform::Control* readout = nullptr;
    bool read = false;   // the readout has been written from the bands
};

// What the main window keeps of its controls, looked up once when it loads:
// a click, a key or a tip finds its control without a search by name. All
// of it is in one place, so that it is dropped as one before a reload makes
// the controls afresh, and found again by Form_Load.
struct Form1Controls {
    std::array<BandControls, kReaders.size()> readers;
    BandControls writerBands;
    std::array<platform::Control*, kPalettes.size()> paletteBands{};   // the band each of kPalettes paints
    // Each palette's swatches by colour index; nullptr for a colour it does not offer.
    std::array<std::array<platform::Control*, model::kColourCount>, kPalettes.size()> swatches{};
    std::array<platform::Control*, model::kColourCount> legend{};   // P1 Black .. P12 Gold
    platform::Control* calculate = nullptr;   // CCal
    platform::Control* aboutButton = nullptr;   // CAb
    platform::Control* valueBox = nullptr;   // Text1
    platform::Control* toleranceList = nullptr;   // Combo1
    platform::Control* ohm = nullptr;   // Picture5
};

class Form1 : public platform::Form, public words::Teller {
public:
    Form1();
    ~Form1() override;

    // The colour code, as text in and text out.
    std::wstring Rang(const std::wstring& index) const;
    std::wstring Rang2(const std::wstring& colour) const;
    std::wstring Tolerance(const std::wstring& index) const;
    std::wstring MAs(const std::wstring& position) const;

    // Rewrites the readout of reader 1 (four bands) or 2 (five bands).
    void RRang(const int& selector);

    void Pict_Click(const short& index);
    void Pi_Click(const short& index);
    void P_Click(const short& index);
    void D_Click(const short& index);
    void T_Click(const short& index);
    void H_Click(const short& index);
    void Y_Click(const short& index);
    void Q_Click(const short& index);
    void E_Click(const short& index);
    void CCal_Click();
    void CAb_Click();

    // Tooltips and screen-reader names: the colour of a swatch, band or legend
    // swatch and what it stands for there, the names of drawings and boxes.
    words::ControlWords Words(const platform::Control& control) const override;
    bool Named(const platform::Control& control) const override;
    // The balloon's window once it has first shown, and the tooltip's once
    // the mouse has been over the window; nullptr before.
    HWND BalloonWindow() const { return balloon_.hWnd(); }
    HWND TipWindow() const { return tips_.hWnd(); }

    // The About window once it has been opened; nullptr before.
    Form2* About() const { return about_.get(); }

protected:
    void Form_Load() override;
    void Form_Unload(short& cancel) override;
    void OnClick(platform::Control& control) override;
    void OnChange(platform::Control& control) override;

    void OnRescaled() override;
    // Arrows, Home and End among the swatches; Enter, Escape, Up and Down in
    // the value box and the readouts; F6 among the tools, Ctrl+C on a drawing.
    bool OnKey(platform::Control& target, UINT key) override;
    // A drawing's context menu, on it, its bands and swatches; the system
    // menu's "Always on top".
    bool OnContextMenu(platform::Control* target, POINT screen) override;
    bool OnSystemCommand(UINT command) override;

private:
    void Form_Initialize();
    void BeforeControlsDropped() override;
    BandControls FindBands(const Drawing& bands) const;
    // A band's colour index as the readout reads it: Rang2 of its colour,
    // none for a colour outside the table. The readouts, the series notes and
    // the bands' tips and names all read the bands through it, and what lies
    // below the window takes the indexes as it gives them.
    reader::BandColour BandIndex(const platform::Control& band) const;
    model::BandRow BandRowOf(const BandControls& bands) const;
    // For a readout and the writer's drawing: whether the value shown, or
    // that the writer's bands stand for, is a standard one for its tolerance
    // (empty before a reader's first click). None for every other control.
    std::optional<std::wstring> SeriesNoteOf(const platform::Control& control) const;
    // What a control is, for its words: each found among the controls
    // Form_Load kept, never by its name. A band: its drawing and its number
    // there from the left (1 and up); none for any other control.
    struct BandAt {
        const BandControls* drawing;
        int number;
    };
    std::optional<BandAt> BandAtOf(const platform::Control& control) const;
    int LegendIndexOf(const platform::Control& control) const;   // -1: not a legend swatch
    // A drawing, readout or other box with a name of its own; nullptr for none.
    const wchar_t* OwnNameOf(const platform::Control& control, const wchar_t** description = nullptr) const;
    void PaintSwatchBand(PaletteId palette, const short& index);
    bool IsReadout(const platform::Control& control) const {
        return &control == found_.readers[0].readout || &control == found_.readers[1].readout;
    }
    // The palette and colour of a swatch; none for any other control.
    std::optional<SwatchAt> SwatchOf(const platform::Control& control) const;
    // Sets a band's colour from a colour index text; false if the index has no colour.
    bool PaintBand(platform::Control& band, const std::wstring& index);
    // The same for a colour index, written as the text Rang takes.
    bool PaintBand(platform::Control& band, int index);
    // Paints each band of a drawing from `row`, from the left; a band the
    // row holds no colour for stays as it is.
    void PaintRow(const BandControls& bands, const model::BandRow& row);
    // Tells screen readers of a band's new colour (its name) and of the
    // swatches that lost and won its column's choice; `was` is its old colour.
    void TellRecoloured(const platform::Control& band, reader::BandColour was);
    // The value in ohms that Text1 stands for, with the bands that carry it;
    // none when four bands cannot, and the balloon at Text1 says why.
    struct Writing {
        base::Decimal ohms;   // the box's number as digits, worked out once
        model::BandRow bands;   // no tolerance: the list's goes on
    };
    std::optional<Writing> ValueToWrite();
    // The same without the balloon: none, and in `refusal` why.
    std::optional<Writing> ReadValueBox(std::wstring& refusal) const;
    // Keeps the value the writer's bands were written for, and tells in a
    // balloon when they cut it.
    void TellCut(const base::Decimal& ohms);
    // Moves the focus from a swatch along its column or across to the next
    // column of its reader; false for a key that is no move.
    bool MoveAmongSwatches(const platform::Control& swatch, UINT key);
    bool OnTextBoxKey(platform::Control& box, UINT key);
    // Writes the next larger or smaller standard value of the selected
    // tolerance's series into Text1 and calculates its bands.
    void StepValue(bool up);
    // That value's text; none at an end of the steps and for a text that
    // "Calculate" refuses.
    std::optional<std::wstring> SteppedValueText(bool up) const;
    // The balloons at a box: bands left as they were, and why; bands written
    // that cut the value.
    void ShowNotWritten(const platform::Control& box, const std::wstring& why);
    void ShowCut(const platform::Control& box, const std::wstring& note);

    // A reader writes too: the value typed in its readout becomes its bands
    // (Enter), Escape puts back what the bands show, Up and Down step
    // through the standard values of its tolerance band.
    bool OnReadoutKey(std::size_t reader, UINT key);
    void WriteReader(std::size_t reader);
    void RestoreReadout(std::size_t reader);
    void StepReader(std::size_t reader, bool up);
    // Paints a reader's bands through Rang, then RRang rewrites its readout.
    void PaintReader(std::size_t reader, const model::BandRow& bands);
    // The drawing (a reader or the writer) whose drawing, band or swatch
    // `control` is; nullptr for any other control.
    const BandControls* DrawingOf(const platform::Control& control) const;
    // A drawing's bands as chosen; none while a reader has read nothing.
    std::optional<model::BandRow> ChosenBands(const BandControls& drawing) const;
    // A drawing's reading as it is copied, and its bands' colour names; both
    // empty while a reader has read nothing.
    std::wstring QuotedReadingOf(const BandControls& drawing) const;
    std::wstring ColourNamesOf(const BandControls& drawing) const;
    // Puts a text on the clipboard; an empty one puts nothing there.
    void Copy(const std::wstring& text);
    // Ctrl+C on a drawing, band or swatch copies its drawing's reading; false
    // for any other box.
    bool CopyReadingOf(const platform::Control& box);
    // F6 and Shift+F6: the focus to the next or the previous tool in reading
    // order (Tools), round again.
    struct Tool {
        const BandControls* drawing;
        platform::Control* box;   // where the focus goes
    };
    std::array<Tool, 3> Tools() const;
    std::size_t ToolOf(const platform::Control& control) const;   // Tools().size() for none
    void MoveAmongTools(const platform::Control& from, bool backwards);
    // The reader's bands read from the other end, painted through Rang as
    // swatch clicks paint them, then RRang; nothing when its palettes do not
    // offer the reversed colours.
    void FlipReader(std::size_t reader);
    // "Always on top" at the end of the window's system menu, unchecked.
    void AppendAlwaysOnTop();
    // The balloon's words for a value the reader refuses.
    std::wstring RefusalOf(std::size_t reader, writer::EntryError error) const;

    Form1Controls found_;
    std::unique_ptr<Form2> about_;
    // What the window tells beyond its pixels, each made when first needed.
    tips::Balloon balloon_{*this};
    tips::Tips tips_{*this, *this};
    screen_reader::Accessibility screenReader_{*this, *this};
    // The value that the writer's bands were last written for, in the user's
    // number style, when they cut it ("4750" for 4.7K); empty when they show it.
    std::wstring cutFrom_;
};

}  // namespace ui
