#include "sounds.h"

#include <algorithm>
#include <cmath>

#include "noise.h"
#include "wav_file.h"

namespace {

constexpr float kPi = 3.14159265f;
constexpr float kFlagSeconds = 1.2f;

using Track = std::vector<float>;

Track Silence(float seconds) {
    return Track(static_cast<size_t>(seconds * kSampleRate), 0.0f);
}

float Noise(size_t i, uint32_t seed) {
    return HashUnit(static_cast<int>(i), 0, seed) * 2 - 1;
}

// One-pole low-pass with cut-off in Hz.
struct LowPass {
    explicit LowPass(float hz) : k(1 - std::exp(-2 * kPi * hz / kSampleRate)) {}
    float operator()(float x) { return state += (x - state) * k; }
    float k, state = 0;
};

// A noise burst starting at `at` seconds: attack 1 ms, exponential decay, filtered.
void AddBurst(Track& t, float at, float decay, float gain, float lowHz, float highHz,
              uint32_t seed) {
    LowPass low(lowHz), high(highHz);
    size_t start = static_cast<size_t>(at * kSampleRate);
    for (size_t i = start; i < t.size(); ++i) {
        float s = static_cast<float>(i - start) / kSampleRate;
        float env = std::min(s / 0.001f, 1.0f) * std::exp(-s / decay);
        if (env < 1e-4f && s > 0.01f) break;
        float n = Noise(i, seed);
        float band = low(n) - high(low.state);  // keep what lies between the two cut-offs
        t[i] += band * env * gain;
    }
}

// A tone whose frequency glides from f0 to f1; `harmonics` adds odd overtones for a reedy sound.
void AddTone(Track& t, float at, float length, float f0, float f1, float gain, float attack,
             float decay, int harmonics = 1, float vibrato = 0) {
    size_t start = static_cast<size_t>(at * kSampleRate);
    size_t end = std::min(t.size(), start + static_cast<size_t>(length * kSampleRate));
    float phase = 0;
    for (size_t i = start; i < end; ++i) {
        float s = static_cast<float>(i - start) / kSampleRate, u = s / length;
        float f = f0 + (f1 - f0) * u + vibrato * std::sin(2 * kPi * 6 * s);
        phase += 2 * kPi * f / kSampleRate;
        float wave = 0;
        for (int h = 1; h <= harmonics; h += 2) wave += std::sin(phase * h) / h;
        float env = std::min(s / attack, 1.0f) * std::exp(-s / decay);
        float release = std::min((length - s) / 0.01f, 1.0f);  // no click at the end
        t[i] += wave * env * release * gain;
    }
}

void Normalise(Track& t, float peak) {
    float most = 0;
    for (float s : t) most = std::max(most, std::abs(s));
    if (most > 0)
        for (float& s : t) s = std::tanh(s / most * 1.2f) / std::tanh(1.2f) * peak;
}

Track Gunshot(float low0, float low1, float zap, uint32_t seed) {
    Track t = Silence(0.24f);
    AddBurst(t, 0, 0.008f, 2.5f, 9000, 1500, seed);          // crack
    AddBurst(t, 0, 0.06f, 2.2f, 3000, 120, seed + 1);        // blast
    AddTone(t, 0, 0.12f, low0, low1, 0.45f, 0.002f, 0.03f);  // thump
    if (zap > 0) AddTone(t, 0, 0.08f, zap, zap / 3, 0.2f, 0.001f, 0.025f, 5);
    Normalise(t, 0.85f);
    return t;
}

Track Footsteps(float period, int steps, float gain, uint32_t seed) {
    Track t = Silence(period * steps);
    for (int k = 0; k < steps; ++k) {
        float at = 0.03f + k * period, g = gain * (0.85f + 0.3f * HashUnit(k, 1, seed));
        AddBurst(t, at, 0.025f, g * 2.5f, 2500, 100, seed + k);   // sole on grit
        AddTone(t, at, 0.06f, 95, 60, g * 0.4f, 0.002f, 0.015f);  // heel thud
    }
    return t;
}

Track Walk() {
    Track t = Footsteps(0.22f, 2, 1.0f, 11);
    Normalise(t, 0.6f);
    return t;
}

Track SprintBreath() {
    Track t = Footsteps(0.2f, 6, 0.35f, 21);
    for (float at : {0.05f, 0.65f}) {  // in, then out
        bool out = at > 0.5f;
        LowPass low(out ? 1400.0f : 2600.0f), high(out ? 300.0f : 700.0f);
        size_t start = static_cast<size_t>(at * kSampleRate),
               length = static_cast<size_t>(0.45f * kSampleRate);
        for (size_t i = 0; i < length; ++i) {
            float u = static_cast<float>(i) / length;
            float env = std::pow(std::sin(kPi * u), 2) * (out ? 0.9f : 0.55f);
            float n = Noise(start + i, out ? 23 : 22);
            t[start + i] += (low(n) - high(low.state)) * env * 2.5f;
        }
    }
    Normalise(t, 0.6f);
    return t;
}

void AddClick(Track& t, float at, float gain, float ring, uint32_t seed) {
    AddBurst(t, at, 0.004f, gain, 8000, 2000, seed);
    AddTone(t, at, 0.06f, ring, ring * 0.98f, gain * 0.25f, 0.001f, 0.02f);
    AddTone(t, at, 0.06f, ring * 1.37f, ring * 1.35f, gain * 0.15f, 0.001f, 0.015f);
}

Track Reload() {
    Track t = Silence(0.75f);
    AddClick(t, 0.04f, 0.7f, 2300, 31);               // magazine out
    AddBurst(t, 0.14f, 0.12f, 0.12f, 3000, 600, 32);  // slide of the new one
    AddClick(t, 0.38f, 1.0f, 1900, 33);               // magazine in
    AddClick(t, 0.56f, 0.8f, 2600, 34);               // bolt back
    AddClick(t, 0.62f, 0.9f, 2100, 35);               // and home
    Normalise(t, 0.8f);
    return t;
}

Track Death() {
    Track t = Silence(1.0f);
    AddTone(t, 0.0f, 0.7f, 240, 90, 0.7f, 0.03f, 0.35f, 7, 8);  // a groan falling away
    AddBurst(t, 0.0f, 0.15f, 0.25f, 1500, 200, 41);
    AddBurst(t, 0.62f, 0.06f, 0.8f, 700, 40, 42);  // the body hits the floor
    AddTone(t, 0.62f, 0.2f, 70, 45, 0.7f, 0.003f, 0.06f);
    Normalise(t, 0.8f);
    return t;
}

Track Pickup() {
    Track t = Silence(0.4f);
    AddClick(t, 0.0f, 0.6f, 2400, 51);
    AddTone(t, 0.03f, 0.18f, 880, 880, 0.5f, 0.003f, 0.07f, 3);
    AddTone(t, 0.14f, 0.25f, 1320, 1320, 0.5f, 0.003f, 0.09f, 3);
    Normalise(t, 0.75f);
    return t;
}

Track Fanfare() {
    Track t = Silence(kFlagSeconds);
    const float notes[] = {523.25f, 659.25f, 783.99f, 1046.5f};
    for (int k = 0; k < 4; ++k) {
        float at = 0.02f + 0.14f * k, length = k == 3 ? 0.7f : 0.16f;
        AddTone(t, at, length, notes[k], notes[k], 0.5f, 0.004f, k == 3 ? 0.4f : 0.12f, 5);
        AddTone(t, at, length, notes[k] * 2, notes[k] * 2, 0.12f, 0.004f, 0.1f);
    }
    Normalise(t, 0.8f);
    return t;
}

Track Returned() {
    Track t = Silence(kFlagSeconds);
    AddTone(t, 0.02f, 0.5f, 783.99f, 783.99f, 0.6f, 0.003f, 0.2f);
    AddTone(t, 0.02f, 0.5f, 783.99f * 2.76f, 783.99f * 2.76f, 0.15f, 0.003f, 0.06f);
    AddTone(t, 0.3f, 0.8f, 523.25f, 523.25f, 0.6f, 0.003f, 0.3f);
    AddTone(t, 0.3f, 0.8f, 523.25f * 2.76f, 523.25f * 2.76f, 0.15f, 0.003f, 0.08f);
    Normalise(t, 0.8f);
    return t;
}

// A two-tone siren; each half lasts a whole number of cycles, so the loop seam has no click.
Track Alarm() {
    Track t = Silence(kFlagSeconds);
    const float half = kFlagSeconds / 4;
    for (int k = 0; k < 4; ++k) {
        float f = k % 2 ? 880.0f : 660.0f;
        AddTone(t, k * half, half, f, f, 0.5f, 0.006f, 10.0f, 5);
    }
    Normalise(t, 0.7f);
    return t;
}

}  // namespace

std::vector<SoundFile> AllSounds() {
    return {
        {"fire.wav", Gunshot(170, 55, 0, 1)},
        {"fire2.wav", Gunshot(260, 80, 1400, 2)},
        {"walk.wav", Walk(), true},
        {"Sprint.wav", SprintBreath(), true},
        {"reload.wav", Reload()},
        {"death.wav", Death()},
        {"gunpickup2.wav", Pickup()},
        {"flagfrag.wav", Fanfare()},
        {"flagreturn.wav", Returned()},
        {"flagalarm.wav", Alarm(), true},
    };
}
