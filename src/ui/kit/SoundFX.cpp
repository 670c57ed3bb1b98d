#include "ui/kit/SoundFX.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "model/shell/AppSettings.h"

namespace sorbeta {
namespace {

#if defined(__x86_64__) || defined(__i386__)
// Code that ran earlier on this thread (graphics libraries loaded by the
// application object) can leave the upper halves of the AVX registers dirty;
// the maths library's SSE code then runs many times slower. Clearing them
// first keeps the synthesis quick.
__attribute__((target("avx"))) void clearUpperAvx() { __builtin_ia32_vzeroupper(); }
void prepareFloatingPoint() {
    static const bool avx = __builtin_cpu_supports("avx");
    if (avx) clearUpperAvx();
}
#else
void prepareFloatingPoint() {}
#endif

}  // namespace

namespace SoundSynth {

int frameCount(const BlipBank& bank) { return int(double(kSampleRate) * bank.duration); }

double frequencyAt(const BlipBank& bank, double baseFrequency, double t) {
    const double u = t / bank.duration;
    const double glide = bank.glideStart + (1.0 - bank.glideStart) * std::min(3.0 * u, 1.0);
    const double vibrato = bank.vibratoRate > 0 ? 1.0 + 0.06 * std::sin(2.0 * std::numbers::pi * bank.vibratoRate * t) *
                                                            std::exp(-10.0 * t)
                                                : 1.0;
    return bank.octave * baseFrequency * glide * vibrato;
}

std::vector<float> blip(const BlipBank& bank, double baseFrequency) {
    const int n = frameCount(bank);
    const double rate = kSampleRate;
    std::vector<float> samples(std::size_t(std::max(n, 0)));
    prepareFloatingPoint();
    double phase = 0;
    for (int i = 0; i < n; ++i) {
        const double t = double(i) / rate;
        const double u = t / bank.duration;
        // The phase advances before the sample is taken.
        phase += 2.0 * std::numbers::pi * frequencyAt(bank, baseFrequency, t) / rate;
        const double envelope = std::min(t / 0.003, 1.0) * std::exp(-5.0 * u);
        const float raw = float(envelope * (std::sin(phase) + 0.25 * std::sin(2.0 * phase)));
        samples[std::size_t(i)] = raw * bank.gain;
    }
    return samples;
}

}  // namespace SoundSynth

SoundFX::SoundFX(std::unique_ptr<SoundOutput> output, std::function<double()> clock)
    : output_(std::move(output)), clock_(std::move(clock)) {}

void SoundFX::synthesize() const {
    if (!tapBuffers_.empty()) return;
    hoverBuffers_.reserve(SoundSynth::kScale.size());
    tapBuffers_.reserve(SoundSynth::kScale.size());
    for (double f : SoundSynth::kScale) hoverBuffers_.push_back(SoundSynth::blip(SoundSynth::kHover, f));
    for (double f : SoundSynth::kScale) tapBuffers_.push_back(SoundSynth::blip(SoundSynth::kTap, f));
}

const std::vector<std::vector<float>>& SoundFX::hoverBuffers() const {
    synthesize();
    return hoverBuffers_;
}

const std::vector<std::vector<float>>& SoundFX::tapBuffers() const {
    synthesize();
    return tapBuffers_;
}

int SoundFX::note(double size) {
    if (!(size > 0)) return 9;
    // std::round rounds halves away from zero.
    const double raw = std::round((1.0 - std::min(size, 1.0)) * 9.0);
    return int(std::min(raw, 9.0));
}

bool SoundFX::enabled() { return AppSettings().soundEffects(); }

bool SoundFX::start() {
    if (started_ && output_->isRunning()) return true;
    if (!output_->start()) return false;
    output_->playAll();
    started_ = true;
    return true;
}

void SoundFX::play(const std::vector<float>& buffer) {
    if (!start()) return;
    const int voice = next_;
    next_ = (next_ + 1) % kVoices;
    output_->schedule(voice, &buffer);
    if (!output_->isPlaying(voice)) output_->play(voice);
}

void SoundFX::tap(double size) {
    if (enabled()) play(tapBuffers()[std::size_t(note(size))]);
}

void SoundFX::hover(double size) {
    const double now = clock_();
    if (enabled() && now - lastHover_ > kHoverInterval) {
        lastHover_ = now;
        play(hoverBuffers()[std::size_t(note(size))]);
    }
}

}  // namespace sorbeta
