// Start-up of the main window on the national-size timetable: creating it
// (connection, station names, controls, stored skin), switching the skin
// engine on and showing it, up to its first paint; and up to its first paint
// with the skin applied, which the program does 250 ms after start (the wait
// left out here). Both are reported against an empty window of the same
// size painting one line in each of the window's two fonts, so that what the
// application object, the platform and the fonts cost once per process is
// not counted as the window's.
//
// Every start begins as a program's does: with a skin manager that has seen
// no window (the one of the run before is deleted between starts).

#include "NationalTimetableCopy.h"
#include "PaintCounter.h"
#include "WindowBenchmarks.h"
#include "app/TForm1.h"
#include "skin/SkinEngine.h"
#include "skin/TSkinManager.h"
#include "widgets/TFont.h"

#include <QCoreApplication>
#include <QPainter>
#include <QWidget>

#include <benchmark/benchmark.h>

#include <memory>

namespace tessarin::bench {
namespace {

const NationalTimetableCopy& timetable() {
    static const NationalTimetableCopy copy;
    return copy;
}

// The window the baseline shows: the main window's size and font, one line
// in each of its fonts.
class EmptyWindow : public QWidget {
public:
    EmptyWindow() {
        setFixedSize(app::TForm1::clientSize() + QSize(12, 12));
        setFont(sansFont());
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.drawText(10, 20, QStringLiteral("列车时刻表"));
        painter.setFont(songFont());
        painter.drawText(10, 40, QStringLiteral("列车时刻表"));
    }

private:
    static QFont sansFont() { return widgets::TFont::make(QStringLiteral("MS Sans Serif"), -11).font; }
    static QFont songFont() { return widgets::TFont::make(QStringLiteral("宋体"), -12).font; }
};

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

void StartUp(benchmark::State& state) {
    const std::filesystem::path file = timetable().file();
    for (auto _ : state) {
        auto form = std::make_unique<app::TForm1>(file);
        skin::switchSkinEngineOn(form->skin1);
        showAndWaitForPaint(state, *form);
        endStart(state, form);
    }
}

void StartUpSkinned(benchmark::State& state) {
    const std::filesystem::path file = timetable().file();
    for (auto _ : state) {
        auto form = std::make_unique<app::TForm1>(file);
        skin::switchSkinEngineOn(form->skin1);
        showAndWaitForPaint(state, *form);
        auto* paints = new PaintCounter(*form);
        skin::TSkinManager::application().runPendingAction();
        if (!paints->waitBeyond(0))
            state.SkipWithError("the skinned window was not painted");
        endStart(state, form);
    }
}

} // namespace

void registerStartUpBenchmarks() {
    for (auto* benchmark : {benchmark::RegisterBenchmark("StartUpBaseline", StartUpBaseline),
                            benchmark::RegisterBenchmark("StartUp", StartUp),
                            benchmark::RegisterBenchmark("StartUpSkinned", StartUpSkinned)})
        benchmark->Unit(benchmark::kMillisecond)->Repetitions(windowRepetitions);
}

} // namespace tessarin::bench
