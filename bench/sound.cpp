// Sound costs: reading a WAV file's samples (done once per file at start-up and for every flag
// announcement) and the distance volume of the other players (done every frame).
#include <benchmark/benchmark.h>

#include <cstring>
#include <vector>

#include "sound/sound_volume.h"
#include "sound/wave_reader.h"

namespace {

// A well-formed 16-bit mono file of `seconds` at 22050 Hz.
std::vector<uint8_t> WaveFile(double seconds) {
    uint32_t dataSize = uint32_t(seconds * 22050) * 2;
    std::vector<uint8_t> file(44 + dataSize);
    auto put32 = [&](size_t at, uint32_t v) { std::memcpy(&file[at], &v, 4); };
    auto put16 = [&](size_t at, uint16_t v) { std::memcpy(&file[at], &v, 2); };
    std::memcpy(&file[0], "RIFF", 4);
    put32(4, 36 + dataSize);
    std::memcpy(&file[8], "WAVEfmt ", 8);
    put32(16, 16);
    put16(20, 1);
    put16(22, 1);
    put32(24, 22050);
    put32(28, 44100);
    put16(32, 2);
    put16(34, 16);
    std::memcpy(&file[36], "data", 4);
    put32(40, dataSize);
    return file;
}

void BM_ReadWaveFile(benchmark::State& state) {
    std::vector<uint8_t> file = WaveFile(double(state.range(0)) / 10.0);
    std::vector<uint8_t> samples(file.size());
    for (auto _ : state) {
        CWaveSoundRead reader;
        reader.OpenBytes(file, "bench.wav");
        benchmark::DoNotOptimize(reader.Read(samples));
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(file.size()));
}
BENCHMARK(BM_ReadWaveFile)->Arg(5)->Arg(30);  // half a second, three seconds

void BM_DistanceVolumeOfSevenPlayers(benchmark::State& state) {
    tvec3 local{1, 2, 3};
    tvec3 others[7];
    for (int i = 0; i < 7; ++i) others[i] = {float(i * 13), 0, float(-i * 7)};
    for (auto _ : state) {
        int32_t sum = 0;
        for (const tvec3& other : others) sum += DistanceAttenuation(80, local, other);
        benchmark::DoNotOptimize(sum);
    }
}
BENCHMARK(BM_DistanceVolumeOfSevenPlayers);

}  // namespace

BENCHMARK_MAIN();
