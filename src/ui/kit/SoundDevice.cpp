// The blips' way out: one audio sink on the default device, fed by a small
// mixer of six voices. Mixing ourselves keeps one device stream open instead
// of six, and still lets each voice be cut off and restarted on its own.
#include <QAudioDevice>
#include <QAudioFormat>
#include <QAudioSink>
#include <QIODevice>
#include <QMediaDevices>
#include <algorithm>
#include <array>
#include <cstring>
#include <mutex>

#include "ui/kit/SoundFX.h"

namespace sorbeta {
namespace {

class VoiceMixer final : public QIODevice {
public:
    struct Voice {
        const std::vector<float>* samples = nullptr;
        std::size_t position = 0;
        bool playing = false;
    };

    explicit VoiceMixer(bool floatSamples) : float_(floatSamples) {}

    void schedule(int voice, const std::vector<float>* samples) {
        std::lock_guard lock(mutex_);
        voices_[std::size_t(voice)].samples = samples;
        voices_[std::size_t(voice)].position = 0;
    }
    void setPlaying(int voice, bool playing) {
        std::lock_guard lock(mutex_);
        voices_[std::size_t(voice)].playing = playing;
    }
    bool isPlaying(int voice) const {
        std::lock_guard lock(mutex_);
        return voices_[std::size_t(voice)].playing;
    }

    bool isSequential() const override { return true; }
    qint64 bytesAvailable() const override { return 4096 + QIODevice::bytesAvailable(); }

protected:
    qint64 readData(char* data, qint64 maxSize) override {
        const qint64 sampleBytes = float_ ? qint64(sizeof(float)) : qint64(sizeof(qint16));
        const qint64 frames = maxSize / sampleBytes;
        std::lock_guard lock(mutex_);
        for (qint64 i = 0; i < frames; ++i) {
            float sum = 0;
            for (Voice& voice : voices_) {
                if (!voice.playing || !voice.samples || voice.position >= voice.samples->size()) continue;
                sum += (*voice.samples)[voice.position++];
            }
            sum = std::clamp(sum, -1.0f, 1.0f);
            if (float_) {
                std::memcpy(data + i * sampleBytes, &sum, sizeof(float));
            } else {
                const qint16 value = qint16(sum * 32767.0f);
                std::memcpy(data + i * sampleBytes, &value, sizeof(qint16));
            }
        }
        // Silence between blips keeps the stream running, like an engine left on.
        return frames * sampleBytes;
    }
    qint64 writeData(const char*, qint64) override { return -1; }

private:
    const bool float_;
    mutable std::mutex mutex_;
    std::array<Voice, SoundFX::kVoices> voices_{};
};

class DeviceSoundOutput final : public SoundOutput {
public:
    ~DeviceSoundOutput() override {
        if (sink_) sink_->stop();
    }

    bool isRunning() const override {
        return sink_ && sink_->error() == QAudio::NoError &&
               (sink_->state() == QAudio::ActiveState || sink_->state() == QAudio::IdleState);
    }

    bool start() override {
        const QAudioDevice device = QMediaDevices::defaultAudioOutput();
        if (device.isNull()) return false;
        QAudioFormat format;
        format.setSampleRate(SoundSynth::kSampleRate);
        format.setChannelCount(1);
        format.setSampleFormat(QAudioFormat::Float);
        // A device without float output still gets the same samples, as 16-bit.
        if (!device.isFormatSupported(format)) format.setSampleFormat(QAudioFormat::Int16);
        if (sink_) sink_->stop();
        sink_.reset();
        std::array<bool, SoundFX::kVoices> playing{};
        if (mixer_)
            for (int v = 0; v < SoundFX::kVoices; ++v) playing[std::size_t(v)] = mixer_->isPlaying(v);
        mixer_ = std::make_unique<VoiceMixer>(format.sampleFormat() == QAudioFormat::Float);
        for (int v = 0; v < SoundFX::kVoices; ++v) mixer_->setPlaying(v, playing[std::size_t(v)]);
        mixer_->open(QIODevice::ReadOnly);
        sink_ = std::make_unique<QAudioSink>(device, format);
        sink_->setBufferSize(format.bytesForDuration(40000));  // 40 ms: blips start promptly
        sink_->start(mixer_.get());
        if (sink_->error() != QAudio::NoError) {
            sink_->stop();
            sink_.reset();
            return false;
        }
        return true;
    }

    void playAll() override {
        for (int v = 0; v < SoundFX::kVoices; ++v) mixer_->setPlaying(v, true);
    }
    void schedule(int voice, const std::vector<float>* samples) override { mixer_->schedule(voice, samples); }
    bool isPlaying(int voice) const override { return mixer_ && mixer_->isPlaying(voice); }
    void play(int voice) override { mixer_->setPlaying(voice, true); }

private:
    std::unique_ptr<VoiceMixer> mixer_;
    std::unique_ptr<QAudioSink> sink_;
};

}  // namespace

std::unique_ptr<SoundOutput> makeDeviceSoundOutput() { return std::make_unique<DeviceSoundOutput>(); }

}  // namespace sorbeta
