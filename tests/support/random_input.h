// A seeded, reproducible run of random user input against a main window in
// this process: real messages to the real windows, and after every step a
// check of every control against a model of what it must hold.
#pragma once
#include <cstdint>
#include <random>
#include <string>
#include <vector>

#include "support/colour_table.h"
#include "ui/form1.h"

namespace testing_gui {

// BANDORA_RANDOM_SEED when it is set, else a fixed seed.
std::uint32_t RandomSeed();
// BANDORA_RANDOM_STEPS when it is set, else `fallback`.
int RandomSteps(int fallback);

// A text as a user might type or paste it: numbers in many spellings, and
// sometimes very long, non-ASCII or control-character text. Never holds NUL.
std::wstring RandomText(std::mt19937& rng);

// Clicks the About button, then, from inside the About window's modal loop,
// clicks its picture. Empty when it opened over a disabled main window and
// closed; else what went wrong.
std::string OpenAndCloseAbout(ui::Form1& form);

class RandomSession {
public:
    struct Options {
        bool about = true;          // now and then open About and close it on its picture
        int pixelCheckEvery = 1000; // steps between checks of the bands on the screen
    };

    // `form` must be as it opens: the model starts from the start-up state.
    RandomSession(ui::Form1& form, std::uint32_t seed, Options options);
    RandomSession(ui::Form1& form, std::uint32_t seed) : RandomSession(form, seed, Options{}) {}

    // Runs `steps` more steps, checking the window after each one and before
    // the first. Empty when everything held; else the first fault, with the
    // seed, the step and what the step did.
    std::string Run(int steps);

    int StepsDone() const { return step_; }
    int AboutCycles() const { return aboutCycles_; }

private:
    struct Watched {
        const platform::Control* control;
        platform::OleColour back;
        std::wstring text;
        bool visible;
    };

    std::string Step();   // does one random thing; says what
    std::string Check(bool pixels) const;
    // Empty when the band holds the colour of `expected` and, when `onScreen`,
    // shows it at its middle; else what it holds or shows.
    std::string BandFault(const wchar_t* name, int expected, bool onScreen) const;
    std::string ClickSwatch();
    std::string ClickElsewhere();
    // A click at a random point of a picture box, and what it changes.
    std::string ClickBox(platform::Control& target);
    // What a click on a swatch does to the readers: it sets its band.
    void Expect(const Swatch& clicked);
    static std::string Named(const Swatch& swatch);
    void Calculate();
    platform::Control& C(const wchar_t* name) const { return form_.Item(name); }
    std::uint32_t Below(std::uint32_t n) { return rng_() % n; }

    ui::Form1& form_;
    std::uint32_t seed_;
    Options options_;
    std::mt19937 rng_;
    int step_ = 0;
    int aboutCycles_ = 0;
    std::string stepFault_;   // what went wrong inside the step itself

    // The model: band colour indexes, readouts, the writer's entry.
    std::vector<int> readerBands_[2];     // four-band, five-band: digits, multiplier, tolerance
    std::wstring readouts_[2];
    int writerBands_[4];
    std::wstring text1_;
    int selection_;
    std::vector<Watched> others_;         // every other control, as it must stay
    std::vector<platform::Control*> swatches_;
    std::vector<platform::Control*> inert_;   // bands, drawings, legend swatches, ohm sign
    std::vector<const platform::Control*> labels_;
};

}  // namespace testing_gui
