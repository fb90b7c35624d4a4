// One rebuild of a station box's suggestions per keystroke over 5,000 names:
// the filter over every reading of every character (initials and full
// pinyin), against the baseline of the filter before it, which compared the
// typed letters with the GBK-order initials worked out when the list was
// loaded. Each text is a keystroke of typing "beijingxi" in full or "bjx" by
// initials. After the runs the report gives, per keystroke, the time of the
// reading filter, its ratio to the baseline, and the slowest keystroke.

#include "data/LatinCase.h"
#include "stationinput/PinyinInitial.h"
#include "stationinput/StationFilter.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdint>
#include <iostream>
#include <map>

namespace tessarin::stationinput {
namespace {

constexpr std::size_t listSize = 5000;

// City names, among them polyphones (重庆, 长沙, 六安) and level-2 characters
// (深圳, 东莞, 衢州, 漯河), and what follows them in station names.
const std::vector<std::string> cities = {
    "北京", "上海", "天津", "重庆", "广州", "深圳", "东莞", "成都", "武汉", "长沙", "郑州", "西安",
    "兰州", "沈阳", "哈尔滨", "长春", "济南", "青岛", "南京", "杭州", "衢州", "福州", "厦门", "南昌",
    "合肥", "六安", "太原", "吕梁", "呼和浩特", "包头", "银川", "西宁", "拉萨", "昆明", "贵阳", "南宁",
    "桂林", "柳州", "襄阳", "宝鸡", "漯河", "石家庄", "乌鲁木齐", "嘉峪关", "锦州", "丹东", "北戴河", "白城"};
const std::vector<std::string> suffixes = {"", "", "", "东", "西", "南", "北", "站", "新区", "镇"};

const std::vector<std::string> keystrokes = {"b",       "be",       "bei",       "beij", "beiji", "beijin",
                                             "beijing", "beijingx", "beijingxi", "bj",   "bjx"};

// A deterministic list of names of one city and one suffix each.
std::vector<std::string> syntheticNames() {
    std::uint32_t state = 20090719;
    const auto next = [&state] { return (state = state * 1664525u + 1013904223u) >> 8; };
    std::vector<std::string> names(listSize);
    for (std::string& name : names)
        name = cities[next() % cities.size()] + suffixes[next() % suffixes.size()];
    return names;
}

const std::vector<std::string>& benchmarkNames() {
    static const std::vector<std::string> names = syntheticNames();
    return names;
}

// The baseline: the filter before the readings, over the GBK-order initials
// of every name, one byte per character.
bool matchesGbkInitials(std::string_view initials, std::string_view typed) {
    for (std::size_t position = 0; position < typed.size(); ++position) {
        const char wanted = typed[position];
        if (wanted != '?' &&
            (position >= initials.size() || initials[position] == 0 || data::foldLatin(wanted) != initials[position]))
            return false;
    }
    return true;
}

void RebuildByGbkInitials(benchmark::State& state, const std::string& typed) {
    const auto& names = benchmarkNames();
    std::vector<std::string> initials;
    for (const std::string& name : names)
        initials.push_back(pinyinInitials(name));
    std::size_t count = 0;
    for (auto _ : state) {
        std::vector<std::string> offered;
        for (std::size_t row = 0; row < names.size(); ++row) {
            if (matchesGbkInitials(initials[row], typed))
                offered.push_back(names[row]);
        }
        count = offered.size();
        benchmark::DoNotOptimize(offered.data());
    }
    state.counters["offered"] = static_cast<double>(count);
}

void RebuildByReadings(benchmark::State& state, const std::string& typed) {
    const StationList list(benchmarkNames());
    std::size_t count = 0;
    for (auto _ : state) {
        auto offered = stationSuggestions(list, typed);
        count = offered.size();
        benchmark::DoNotOptimize(offered.data());
    }
    state.counters["offered"] = static_cast<double>(count);
}

const std::string baselineName = "RebuildByGbkInitials/";
const std::string readingsName = "RebuildByReadings/";

void registerBenchmarks() {
    for (const std::string& typed : keystrokes) {
        benchmark::RegisterBenchmark((baselineName + typed).c_str(), RebuildByGbkInitials, typed)
            ->Unit(benchmark::kMicrosecond);
        benchmark::RegisterBenchmark((readingsName + typed).c_str(), RebuildByReadings, typed)
            ->Unit(benchmark::kMicrosecond);
    }
}

// The console report, followed by each keystroke's reading-filter time, its
// ratio to the baseline (of their means when the runs are repeated), and the
// slowest keystroke against the budget of 1 ms.
class RatioReporter : public benchmark::ConsoleReporter {
public:
    RatioReporter() : ConsoleReporter(OO_Tabular) {}

    void ReportRuns(const std::vector<Run>& runs) override {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs) {
            if (run.run_type == Run::RT_Iteration || run.aggregate_name == "mean")
                timesInMicroseconds_[run.run_name.function_name] = run.GetAdjustedRealTime();
        }
    }

    void Finalize() override {
        ConsoleReporter::Finalize();
        double slowest = 0;
        for (const std::string& typed : keystrokes) {
            const auto baseline = timesInMicroseconds_.find(baselineName + typed);
            const auto readings = timesInMicroseconds_.find(readingsName + typed);
            if (baseline == timesInMicroseconds_.end() || readings == timesInMicroseconds_.end())
                continue;
            slowest = std::max(slowest, readings->second);
            std::cout << "keystroke '" << typed << "': by readings " << readings->second
                      << " us, by readings / by GBK initials = " << readings->second / baseline->second << '\n';
        }
        std::cout << "slowest rebuild by readings over " << listSize << " names: " << slowest
                  << " us per keystroke (budget 1000 us)\n";
    }

private:
    std::map<std::string, double> timesInMicroseconds_;
};

} // namespace
} // namespace tessarin::stationinput

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    tessarin::stationinput::registerBenchmarks();
    tessarin::stationinput::RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
}
