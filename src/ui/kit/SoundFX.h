#pragma once
// Short synthesised blips for the jelly map: a soft high blip when the pointer
// enters a jelly and a rounder one when a jelly is pressed. Pitch follows the
// jelly's size (big jellies sound low). All samples are computed once, in
// memory; there are no sound files.
#include <array>
#include <functional>
#include <memory>
#include <vector>

namespace sorbeta {

// The shape of one family of blips.
struct BlipBank {
    double duration;     // seconds
    double octave;       // multiplier over the scale's frequency
    double glideStart;   // pitch starts at this fraction of its final value
    double vibratoRate;  // hertz; 0 for none
    float gain;
};

namespace SoundSynth {

inline constexpr int kSampleRate = 44100;
// Major pentatonic on C, C4 to A5.
inline constexpr std::array<double, 10> kScale = {261.63, 293.66, 329.63, 392.0,  440.0,
                                                  523.25, 587.33, 659.25, 783.99, 880.0};
inline constexpr BlipBank kHover{0.09, 2.0, 1.25, 0.0, 0.1f};
inline constexpr BlipBank kTap{0.32, 1.0, 0.8, 9.0, 0.22f};

// Frames of one blip of the bank (sample rate × duration, truncated).
int frameCount(const BlipBank& bank);
// One blip at the given base frequency: mono float samples at kSampleRate.
std::vector<float> blip(const BlipBank& bank, double baseFrequency);
// The instantaneous frequency of a blip at time t, for checks and plots.
double frequencyAt(const BlipBank& bank, double baseFrequency, double t);

}  // namespace SoundSynth

// Where blips sound: a mono float stream at 44,100 Hz with six voices that can
// be scheduled independently; scheduling a voice cuts off what it still plays.
class SoundOutput {
public:
    virtual ~SoundOutput() = default;
    virtual bool isRunning() const = 0;
    // Opens the output; false when there is no device or it cannot be opened.
    virtual bool start() = 0;
    // Starts every voice (silent until something is scheduled on it).
    virtual void playAll() = 0;
    // Replaces whatever the voice plays by `samples` (kept alive by SoundFX).
    virtual void schedule(int voice, const std::vector<float>* samples) = 0;
    virtual bool isPlaying(int voice) const = 0;
    virtual void play(int voice) = 0;
};

// The output on the desktop's default audio device. With no device the blips
// are dropped silently and every later blip tries again.
std::unique_ptr<SoundOutput> makeDeviceSoundOutput();

class SoundFX {
public:
    static constexpr int kVoices = 6;
    // Hover blips closer together than this are dropped.
    static constexpr double kHoverInterval = 0.07;

    // `clock` gives seconds on the kit's clock. The application keeps one
    // for every view that blips; its 20 buffers are synthesised on first use.
    SoundFX(std::unique_ptr<SoundOutput> output, std::function<double()> clock);
    SoundFX(const SoundFX&) = delete;
    SoundFX& operator=(const SoundFX&) = delete;

    // `size` is a fraction: 1 for the biggest jelly.
    void tap(double size);
    void hover(double size);

    static int note(double size);
    // The "soundEffects" default, read at every call.
    static bool enabled();

    const std::vector<std::vector<float>>& hoverBuffers() const;
    const std::vector<std::vector<float>>& tapBuffers() const;
    double lastHover() const { return lastHover_; }
    bool started() const { return started_; }
    int nextVoice() const { return next_; }

private:
    bool start();
    void play(const std::vector<float>& buffer);
    void synthesize() const;

    std::unique_ptr<SoundOutput> output_;
    std::function<double()> clock_;
    mutable std::vector<std::vector<float>> hoverBuffers_;
    mutable std::vector<std::vector<float>> tapBuffers_;
    int next_ = 0;
    double lastHover_ = 0;
    bool started_ = false;
};

}  // namespace sorbeta
