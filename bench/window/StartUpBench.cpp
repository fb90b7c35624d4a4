// Start-up of the main window on the national-size timetable, two ways:
//
// In this process: creating the window (connection, station names, controls,
// stored skin), switching the skin engine on and showing it, up to its first
// paint (StartUp); and on to its first paint with the skin applied, which the
// program does 250 ms after start, the wait left out (StartUpSkinned). Both
// against an EmptyWindow shown the same way, so that what the application
// object, the platform and the fonts cost once per process is not counted as
// the window's. Every start begins as a program's does, with a skin manager
// that has seen no window (the one of the start before is deleted).
//
// In a process of its own (SeparateStart.h): from the launch of the program's
// entry to the end of its main window's first paint (ProcessStartUp), against
// the launch of a process that shows an EmptyWindow: the process, the
// libraries, the application object and the fonts are in both.

#include "EmptyWindow.h"
#include "NationalTimetableCopy.h"
#include "PaintCounter.h"
#include "SeparateStart.h"
#include "WindowBenchmarks.h"
#include "app/TForm1.h"
#include "skin/SkinEngine.h"
#include "skin/TSkinManager.h"

#include <QCoreApplication>

#include <benchmark/benchmark.h>

#include <memory>
#include <optional>

namespace tessarin::bench {
namespace {

const NationalTimetableCopy& timetable() {
    static const NationalTimetableCopy copy;
    return copy;
}

// Ends a start, untimed: the window gone, its deferred deletions and
// single-shot timers run, and the skin manager deleted, so the next start
// meets a fresh one.
template <typename Window>
void endStart(benchmark::State& state, std::unique_ptr<Window>& window) {
    state.PauseTiming();
    window.reset();
    delete &skin::TSkinManager::application();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
    state.ResumeTiming();
}

void showAndWaitForPaint(benchmark::State& state, QWidget& window) {
    auto* paints = new PaintCounter(window);
    window.show();
    if (!paints->waitBeyond(0))
        state.SkipWithError("the window was not painted");
}

void StartUpBaseline(benchmark::State& state) {
    for (auto _ : state) {
        auto window = std::make_unique<EmptyWindow>();
        showAndWaitForPaint(state, *window);
        endStart(state, window);
    }
}

// The skin applied now rather than 250 ms after start.
void applySkinAndWaitForPaint(benchmark::State& state, QWidget& window) {
    auto* paints = new PaintCounter(window);
    skin::TSkinManager::application().runPendingAction();
    if (!paints->waitBeyond(0))
        state.SkipWithError("the skinned window was not painted");
}

void startMainWindow(benchmark::State& state, bool skinned) {
    const std::filesystem::path file = timetable().file();
    for (auto _ : state) {
        auto form = std::make_unique<app::TForm1>(file);
        skin::switchSkinEngineOn(form->skin1);
        showAndWaitForPaint(state, *form);
        if (skinned)
            applySkinAndWaitForPaint(state, *form);
        endStart(state, form);
    }
}

void StartUp(benchmark::State& state) { startMainWindow(state, false); }
void StartUpSkinned(benchmark::State& state) { startMainWindow(state, true); }

// Each start in a process of its own, timed from its launch to the report of
// its first paint; its end is left out.
void startSeparately(benchmark::State& state, const std::filesystem::path& timetableFile) {
    const std::filesystem::path runtimeFolder = timetable().file().parent_path();
    for (auto _ : state) {
        std::optional<SeparateStart> start(std::in_place, timetableFile, runtimeFolder);
        if (!start->waitForFirstPaint())
            state.SkipWithError("the started copy reported no first paint");
        state.PauseTiming();
        start.reset();
        state.ResumeTiming();
    }
}

void ProcessStartUpBaseline(benchmark::State& state) { startSeparately(state, {}); }
void ProcessStartUp(benchmark::State& state) { startSeparately(state, timetable().file()); }

} // namespace

void registerStartUpBenchmarks() {
    for (auto* benchmark : {benchmark::RegisterBenchmark("StartUpBaseline", StartUpBaseline),
                            benchmark::RegisterBenchmark("StartUp", StartUp),
                            benchmark::RegisterBenchmark("StartUpSkinned", StartUpSkinned)})
        benchmark->Unit(benchmark::kMillisecond)->Repetitions(windowRepetitions);
    // This process only waits: its CPU time says nothing, real time counts.
    for (auto* benchmark : {benchmark::RegisterBenchmark("ProcessStartUpBaseline", ProcessStartUpBaseline),
                            benchmark::RegisterBenchmark("ProcessStartUp", ProcessStartUp)})
        benchmark->Unit(benchmark::kMillisecond)->UseRealTime()->Repetitions(windowRepetitions);
}

} // namespace tessarin::bench
