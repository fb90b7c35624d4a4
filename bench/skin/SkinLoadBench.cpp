// Loading the stored skin at start: unpacking its archive and reading it into
// the skin records (target: under 10 ms). Reported beside two baselines
// measured in the same run: copying the unpacked archive, and decoding its
// bitmaps, which any reading of the skin does.

#include "RunFigures.h"
#include "skin/PlatformMetrics.h"
#include "skin/SkinArchive.h"
#include "skin/SkinReader.h"
#include "skin/SkinStreamProperty.h"
#include "skin/SkinUnpacker.h"
#include "skin/StoredSkin.h"

#include <QApplication>
#include <QImage>

#include <benchmark/benchmark.h>

#include <iostream>

namespace {

using namespace tessarin::skin;

std::span<const std::uint8_t> packed() { return *packedSkinOf(storedSkinStream()); }

void BM_Baseline_CopyArchive(benchmark::State& state) {
    const std::vector<std::uint8_t> archive = unpackSkin(packed());
    for (auto _ : state) {
        std::vector<std::uint8_t> copy(archive);
        benchmark::DoNotOptimize(copy.data());
    }
}

void BM_Baseline_DecodeBitmaps(benchmark::State& state) {
    const SkinArchive archive(unpackSkin(packed()));
    for (auto _ : state) {
        for (const SkinArchiveEntry& entry : archive.entries()) {
            const auto bytes = archive.contents(entry);
            QImage image = QImage::fromData(bytes.data(), static_cast<int>(bytes.size()), "BMP");
            benchmark::DoNotOptimize(image.constBits());
        }
    }
}

void BM_Unpack(benchmark::State& state) {
    for (auto _ : state) {
        const std::vector<std::uint8_t> archive = unpackSkin(packed());
        benchmark::DoNotOptimize(archive.data());
    }
}

void BM_UnpackAndRead(benchmark::State& state) {
    const int arrowWidth = horizontalScrollArrowWidth();
    for (auto _ : state) {
        const SkinData skin = readSkin(SkinArchive(unpackSkin(packed())), arrowWidth);
        benchmark::DoNotOptimize(skin.elements().data());
    }
}

BENCHMARK(BM_Baseline_CopyArchive)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Baseline_DecodeBitmaps)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Unpack)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_UnpackAndRead)->Unit(benchmark::kMicrosecond);

// Prints, after the usual table, each figure (RunFigures.h) as a multiple of
// the baselines; a figure or baseline left out of the run gives no line.
class RatioReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override {
        ConsoleReporter::ReportRuns(runs);
        figures_.add(runs);
    }
    void Finalize() override {
        ConsoleReporter::Finalize();
        const auto copying = figures_.find("BM_Baseline_CopyArchive");
        const auto decoding = figures_.find("BM_Baseline_DecodeBitmaps");
        for (const char* name : {"BM_Unpack", "BM_UnpackAndRead"}) {
            const auto figure = figures_.find(name);
            if (!figure || !copying || !decoding)
                continue;
            std::cout << name << ": " << figure->real / copying->real << " x copying the archive, "
                      << figure->real / decoding->real << " x decoding its bitmaps\n";
        }
    }

private:
    tessarin::bench::RunFigures figures_;
};

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return 0;
}
