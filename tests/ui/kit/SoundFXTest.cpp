#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "TestEnvironment.h"
#include "platform/Defaults.h"
#include "ui/kit/KitClock.h"
#include "ui/kit/SoundFX.h"

namespace sorbeta {
namespace {

// Records what the player asks of the output.
struct FakeOutput final : SoundOutput {
    bool canStart = true;
    bool running = false;
    int starts = 0;
    std::vector<std::pair<int, const std::vector<float>*>> scheduled;
    std::array<bool, SoundFX::kVoices> playing{};

    bool isRunning() const override { return running; }
    bool start() override {
        ++starts;
        running = canStart;
        return canStart;
    }
    void playAll() override { playing.fill(true); }
    void schedule(int voice, const std::vector<float>* samples) override { scheduled.emplace_back(voice, samples); }
    bool isPlaying(int voice) const override { return playing[std::size_t(voice)]; }
    void play(int voice) override { playing[std::size_t(voice)] = true; }
};

class SoundFXTest : public test::HomeTest {
protected:
    void SetUp() override {
        HomeTest::SetUp();
        auto fake = std::make_unique<FakeOutput>();
        output = fake.get();
        fx = std::make_unique<SoundFX>(std::move(fake), [this] { return now; });
    }
    void enable(const QVariant& value) { platform::Defaults().setValue(QStringLiteral("soundEffects"), value); }

    double now = 1000;
    FakeOutput* output = nullptr;
    std::unique_ptr<SoundFX> fx;
};

TEST(SoundNotes, SizeToNote) {
    EXPECT_EQ(SoundFX::note(0), 9);
    EXPECT_EQ(SoundFX::note(-1), 9);
    EXPECT_EQ(SoundFX::note(0.5), 5);  // 4.5 rounds away from zero
    EXPECT_EQ(SoundFX::note(1), 0);
    EXPECT_EQ(SoundFX::note(3), 0);
    EXPECT_EQ(SoundFX::note(0.06), 8);
    EXPECT_EQ(SoundFX::note(0.1), 8);
    EXPECT_EQ(SoundFX::note(std::nan("")), 9);
}

TEST(SoundSynthesis, FrameCountsAndShape) {
    EXPECT_EQ(SoundSynth::frameCount(SoundSynth::kHover), 3969);
    EXPECT_EQ(SoundSynth::frameCount(SoundSynth::kTap), 14112);

    std::size_t total = 0;
    for (double f : SoundSynth::kScale) {
        for (const BlipBank* bank : {&SoundSynth::kHover, &SoundSynth::kTap}) {
            const auto samples = SoundSynth::blip(*bank, f);
            total += samples.size();
            EXPECT_EQ(samples.front(), 0.0f);  // the envelope starts at 0
            float peak = 0;
            for (float s : samples) peak = std::max(peak, std::abs(s));
            EXPECT_LE(peak, bank->gain * 1.25f);
            EXPECT_GT(peak, bank->gain * 0.5f);
        }
    }
    EXPECT_EQ(total, 180810u);

    // Hover: falls from 1.25 × the note an octave up, settles after a third.
    EXPECT_NEAR(SoundSynth::frequencyAt(SoundSynth::kHover, 261.63, 0), 1.25 * 2 * 261.63, 1e-9);
    EXPECT_NEAR(SoundSynth::frequencyAt(SoundSynth::kHover, 261.63, 0.03), 523.26, 1e-9);
    EXPECT_NEAR(SoundSynth::frequencyAt(SoundSynth::kHover, 261.63, 0.08), 523.26, 1e-9);
    // Tap: rises from 0.8 × the note to the note, with a fading vibrato.
    EXPECT_NEAR(SoundSynth::frequencyAt(SoundSynth::kTap, 880, 0), 0.8 * 880, 1e-9);
    const double settled = SoundSynth::frequencyAt(SoundSynth::kTap, 880, 0.32 / 3);
    EXPECT_NEAR(settled, 880 * (1 + 0.06 * std::sin(2 * std::numbers::pi * 9 * 0.32 / 3) * std::exp(-10 * 0.32 / 3)),
                1e-9);
    EXPECT_NEAR(SoundSynth::frequencyAt(SoundSynth::kTap, 880, 0.3), 880, 880 * 0.06 * std::exp(-3.0));
}

TEST(SoundSynthesis, SamplesFollowTheFormula) {
    // Re-derive a few samples by the formula, with the phase advanced first.
    const auto samples = SoundSynth::blip(SoundSynth::kTap, 440.0);
    double phase = 0;
    for (int i = 0; i < 200; ++i) {
        const double t = i / 44100.0;
        const double u = t / 0.32;
        const double g = 0.8 + 0.2 * std::min(3 * u, 1.0);
        const double v = 1 + 0.06 * std::sin(2 * std::numbers::pi * 9 * t) * std::exp(-10 * t);
        phase += 2 * std::numbers::pi * 440.0 * g * v / 44100.0;
        const double a = std::min(t / 0.003, 1.0) * std::exp(-5 * u);
        const float expected = float(a * (std::sin(phase) + 0.25 * std::sin(2 * phase))) * 0.22f;
        ASSERT_EQ(samples[std::size_t(i)], expected) << i;
    }
}

TEST_F(SoundFXTest, OffUnlessSwitchedOnAsABool) {
    EXPECT_EQ(fx->hoverBuffers().size(), 10u);
    EXPECT_EQ(fx->tapBuffers().size(), 10u);
    fx->tap(0.5);
    fx->hover(0.5);
    EXPECT_EQ(output->starts, 0);  // never starts the output while off
    EXPECT_EQ(fx->lastHover(), 0);
    EXPECT_FALSE(fx->started());

    enable(QStringLiteral("yes"));
    fx->tap(0.5);
    EXPECT_EQ(output->starts, 0);
    enable(1);
    fx->tap(0.5);
    EXPECT_EQ(output->starts, 0);

    enable(true);
    fx->tap(0.5);
    ASSERT_EQ(output->scheduled.size(), 1u);
    EXPECT_EQ(output->scheduled[0].second, &fx->tapBuffers()[5]);
    EXPECT_TRUE(fx->started());
}

TEST_F(SoundFXTest, HoverLimitAndVoiceRotation) {
    enable(true);
    fx->hover(1);
    now += 0.05;
    fx->hover(1);  // too soon: dropped, limit time kept
    EXPECT_EQ(output->scheduled.size(), 1u);
    EXPECT_EQ(fx->lastHover(), 1000);
    now += 0.05;  // 0.1 s after the first
    fx->hover(0);
    ASSERT_EQ(output->scheduled.size(), 2u);
    EXPECT_EQ(output->scheduled[1].second, &fx->hoverBuffers()[9]);

    // Seven taps: the seventh lands on the voice of the first hover, cutting it off.
    output->scheduled.clear();
    for (int i = 0; i < 7; ++i) fx->tap(0.2);
    ASSERT_EQ(output->scheduled.size(), 7u);
    EXPECT_EQ(output->scheduled[0].first, 2);
    EXPECT_EQ(output->scheduled[4].first, 0);
    EXPECT_EQ(output->scheduled[6].first, 2);
    EXPECT_EQ(output->starts, 1);  // started once, running since
}

TEST_F(SoundFXTest, NoDeviceDropsBlipsAndRetries) {
    enable(true);
    output->canStart = false;
    fx->tap(1);
    fx->tap(1);
    EXPECT_TRUE(output->scheduled.empty());
    EXPECT_EQ(output->starts, 2);
    EXPECT_EQ(fx->nextVoice(), 0);
    EXPECT_FALSE(fx->started());

    // The stream stopped behind our back: the next blip starts it again.
    output->canStart = true;
    fx->tap(1);
    output->running = false;
    fx->tap(1);
    EXPECT_EQ(output->starts, 4);
    EXPECT_EQ(output->scheduled.size(), 2u);
}

TEST(SoundDevice, DeviceInstancePlaysOrDropsWithoutFailing) {
    test::TempHome home;
    platform::Defaults().setValue(QStringLiteral("soundEffects"), true);
    SoundFX device(makeDeviceSoundOutput(), [] { return kitNow(); });
    device.tap(0.5);
    device.hover(0.5);
    EXPECT_EQ(device.tapBuffers().size(), 10u);
}

}  // namespace
}  // namespace sorbeta
