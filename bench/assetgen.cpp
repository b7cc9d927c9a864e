// How long the build spends generating content: every texture, every sound, and their encoding.
#include <benchmark/benchmark.h>

#include "picture_files.h"
#include "sounds.h"
#include "text.h"
#include "texture_set.h"
#include "wav_file.h"

static void PaintAllTextures(benchmark::State& state) {
    TextPainter text;
    for (auto _ : state) benchmark::DoNotOptimize(AllTextures(text));
}
BENCHMARK(PaintAllTextures)->Unit(benchmark::kMillisecond);

static void EncodeAllTextures(benchmark::State& state) {
    TextPainter text;
    std::vector<TextureFile> textures = AllTextures(text);
    size_t bytes = 0;
    for (auto _ : state) {
        for (const TextureFile& t : textures) {
            std::vector<uint8_t> file = t.alpha ? EncodeTga(t.image) : EncodeBmp(t.image);
            bytes += file.size();
            benchmark::DoNotOptimize(file);
        }
    }
    state.SetBytesProcessed(static_cast<int64_t>(bytes));
}
BENCHMARK(EncodeAllTextures)->Unit(benchmark::kMillisecond);

static void SynthesiseAllSounds(benchmark::State& state) {
    for (auto _ : state) {
        for (const SoundFile& s : AllSounds()) benchmark::DoNotOptimize(EncodeWav(s.samples));
    }
}
BENCHMARK(SynthesiseAllSounds)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
