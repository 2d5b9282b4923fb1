// A long seeded run of random input against the real main window: swatch and
// stray clicks, typed texts of every kind, list choices, Calculate and About,
// with every control checked against a model after each step. A failure
// names the seed and the step; BANDORA_RANDOM_SEED and BANDORA_RANDOM_STEPS
// replay or lengthen a run.
#include <gtest/gtest.h>

#include <chrono>
#include <iostream>
#include <random>

#include "support/expected_readout.h"
#include "support/form_fixture.h"
#include "support/random_input.h"

namespace {

using testing_gui::RandomSession;

TEST_F(Form1Test, RandomInputKeepsEveryControlAsTheRulesSay) {
    const std::uint32_t seed = testing_gui::RandomSeed();
    const int steps = testing_gui::RandomSteps(20000);
    RandomSession session(*form, seed);
    const auto start = std::chrono::steady_clock::now();
    const std::string fault = session.Run(steps);
    const auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - start);
    std::cout << "random run: seed " << seed << ", " << session.StepsDone() << " steps, " << session.AboutCycles()
              << " About cycles, " << ms.count() << " ms" << std::endl;
    EXPECT_TRUE(fault.empty()) << fault;
}

// The generator must reach what the run is meant to cover, or a long run
// proves little: numbers the writer shows, texts it must refuse, and the
// long, foreign and control-character texts.
TEST(RandomText, ReachesEveryKindOfText) {
    std::mt19937 rng(testing_gui::RandomSeed());
    int numbers = 0, refused = 0, empty = 0, longer = 0, foreign = 0, control = 0;
    for (int i = 0; i < 5000; ++i) {
        const std::wstring text = testing_gui::RandomText(rng);
        ASSERT_EQ(text.find(L'\0'), std::wstring::npos);
        (testing_gui::TypedNumber(text) ? numbers : refused)++;
        empty += text.empty();
        longer += text.size() > 1000;
        bool hasForeign = false, hasControl = false;
        for (wchar_t c : text) {
            hasForeign |= c > 0x7F;
            hasControl |= c < 0x20 || c == 0x7F;
        }
        foreign += hasForeign;
        control += hasControl;
    }
    for (int count : {numbers, refused, empty, longer, foreign, control}) EXPECT_GE(count, 20);
}

}  // namespace
