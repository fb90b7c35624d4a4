// One rebuild of a station box's suggestions over a list of the bundled
// list's size, for a two-letter text: the filter over initials worked out when
// the list was loaded, against the baseline of converting every compared
// character of every name to GBK on each keystroke. The ratio of the two is
// printed after the runs.

#include "data/LatinCase.h"
#include "stationinput/PinyinInitial.h"
#include "stationinput/StationFilter.h"
#include "data/Utf8Characters.h"

#include <benchmark/benchmark.h>

#include <cstdint>
#include <iostream>
#include <map>

namespace tessarin::stationinput {
namespace {

constexpr std::size_t listSize = 3824;
constexpr std::string_view typed = "bj";

// Characters common in station names, with several of the initials B and J.
constexpr std::string_view stationCharacters =
    "北京上海天津西东南站山河江湖阳城新大小长春宁德清华安平石家庄郑州武汉广深圳成都重庆贵昆明兰乌鲁木齐"
    "哈尔滨沈吉林济青岛徐杭温福厦门南昌合肥太原呼和浩特包头银川西宁拉萨柳桂襄樊宝鸡集九江嘉峪关锦州丹";

std::vector<std::string_view> splitCharacters(std::string_view text) {
    std::vector<std::string_view> characters;
    while (!text.empty()) {
        characters.push_back(data::firstCharacter(text));
        text.remove_prefix(characters.back().size());
    }
    return characters;
}

// A deterministic list of one- to five-character names.
std::vector<std::string> syntheticNames() {
    const auto characters = splitCharacters(stationCharacters);
    std::uint32_t state = 20090719;
    const auto next = [&state] { return (state = state * 1664525u + 1013904223u) >> 8; };
    std::vector<std::string> names(listSize);
    for (std::string& name : names) {
        const std::size_t length = 1 + next() % 5;
        for (std::size_t i = 0; i < length; ++i)
            name += characters[next() % characters.size()];
    }
    return names;
}

const std::vector<std::string>& benchmarkNames() {
    static const std::vector<std::string> names = syntheticNames();
    return names;
}

// The baseline: the name's characters converted one by one as they are compared.
bool matchesConvertingEachCharacter(std::string_view name, std::string_view text) {
    for (const char wanted : text) {
        const std::string_view character = data::firstCharacter(name);
        name.remove_prefix(character.size());
        if (wanted == '?')
            continue;
        const char initial = GetPinyinInitial(character);
        if (initial == 0 || data::foldLatin(wanted) != initial)
            return false;
    }
    return true;
}

void RebuildConvertingEachKeystroke(benchmark::State& state) {
    const auto& names = benchmarkNames();
    for (auto _ : state) {
        std::vector<std::string> offered;
        for (const std::string& name : names) {
            if (matchesConvertingEachCharacter(name, typed))
                offered.push_back(name);
        }
        benchmark::DoNotOptimize(offered.data());
    }
}

void RebuildFromLoadedInitials(benchmark::State& state) {
    const StationList list(benchmarkNames());
    for (auto _ : state) {
        auto offered = stationSuggestions(list, typed);
        benchmark::DoNotOptimize(offered.data());
    }
    state.counters["offered"] = static_cast<double>(stationSuggestions(list, typed).size());
}

BENCHMARK(RebuildConvertingEachKeystroke)->Unit(benchmark::kMicrosecond);
BENCHMARK(RebuildFromLoadedInitials)->Unit(benchmark::kMicrosecond);

// The console report, followed by the time of the precomputed rebuild as a
// fraction of the baseline's (of their means when the runs are repeated).
class RatioReporter : public benchmark::ConsoleReporter {
public:
    RatioReporter() : ConsoleReporter(OO_Tabular) {}

    void ReportRuns(const std::vector<Run>& runs) override {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs) {
            if (run.run_type == Run::RT_Iteration || run.aggregate_name == "mean")
                times_[run.run_name.function_name] = run.GetAdjustedRealTime();
        }
    }

    void Finalize() override {
        ConsoleReporter::Finalize();
        const auto baseline = times_.find("RebuildConvertingEachKeystroke");
        const auto precomputed = times_.find("RebuildFromLoadedInitials");
        if (baseline != times_.end() && precomputed != times_.end())
            std::cout << "rebuild from loaded initials / converting each keystroke = "
                      << precomputed->second / baseline->second << '\n';
    }

private:
    std::map<std::string, double> times_;
};

} // namespace
} // namespace tessarin::stationinput

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    tessarin::stationinput::RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
}
