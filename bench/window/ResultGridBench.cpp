// The train-number page's result grid in the main window on the national-size
// timetable, the window shown with its skin and the grid holding the keyboard
// focus, as after a user's query:
// - painting one page of the result of the query "1", which about half the
//   trains' numbers contain (the counter "rows" gives its size), against
//   painting the same grid with no result (a page switch closes it);
// - Page Down on that result, the key through the window and the grid and
//   the page painted, against both of those paints: the empty grid's, and
//   the same page's without the move, which leaves the move's own cost.
// Each paint draws the whole grid, scroll bars included, into an image of
// its size, as the window's paint of the grid does.

#include "NationalTimetableCopy.h"
#include "PaintCounter.h"
#include "WindowBenchmarks.h"
#include "app/TForm1.h"
#include "grid/TDataGrid.h"
#include "skin/SkinEngine.h"
#include "skin/TSkinManager.h"
#include "widgets/TImgCheckButton.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QImage>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <benchmark/benchmark.h>

#include <memory>
#include <stdexcept>

namespace tessarin::bench {
namespace {

const QString trainText = QStringLiteral("1");

// The shown, skinned, active main window on its train-number page.
class TrainNumberPage {
public:
    TrainNumberPage() : form_(timetable_.file()) {
        // The window lives past the update call's five seconds, which must
        // not reach out to the maker's host.
        form_.setBeginUpdate([](const char*, int) {});
        skin::switchSkinEngineOn(form_.skin1);
        auto* paints = new PaintCounter(form_);
        form_.show();
        skin::TSkinManager::application().runPendingAction();
        form_.activateWindow();
        const QDeadlineTimer patience(10'000);
        while ((paints->paints() == 0 || !form_.isActiveWindow()) && !patience.hasExpired())
            QCoreApplication::processEvents();
        if (!form_.isActiveWindow())
            throw std::runtime_error("the main window was not shown");
        QTest::mouseClick(form_.btn2, Qt::LeftButton, {}, QPoint(10, 10));
        if (!grid().isVisible())
            throw std::runtime_error("the train-number page did not show");
    }

    grid::TDataGrid& grid() { return *form_.dbgrd2; }
    data::DataSet& result() { return form_.qry4; }

    // The query run as the user runs it, unless its result shows already.
    void showResult() {
        if (!form_.qry4.isOpen()) {
            form_.edt1->setText(trainText);
            form_.btn5->click();
        }
        focusGrid();
    }
    void showNoResult() {
        form_.qry4.close();
        focusGrid();
    }

private:
    void focusGrid() {
        grid().setFocus();
        QCoreApplication::processEvents();
        if (!grid().hasFocus())
            throw std::runtime_error("the result grid did not take the keyboard focus");
    }

    NationalTimetableCopy timetable_;
    app::TForm1 form_;
};

// Made by the first grid benchmark, closed at the end of the run.
std::unique_ptr<TrainNumberPage>& shownPage() {
    static std::unique_ptr<TrainNumberPage> page;
    return page;
}

TrainNumberPage& page() {
    if (!shownPage())
        shownPage() = std::make_unique<TrainNumberPage>();
    return *shownPage();
}

QImage gridImage() { return QImage(page().grid().size(), QImage::Format_ARGB32_Premultiplied); }

void paintGrid(benchmark::State& state) {
    QImage image = gridImage();
    for (auto _ : state) {
        page().grid().render(&image);
        benchmark::DoNotOptimize(image.constBits());
    }
}

void GridPaintEmpty(benchmark::State& state) {
    page().showNoResult();
    paintGrid(state);
}

void GridPaint(benchmark::State& state) {
    page().showResult();
    if (page().result().recordCount() == 0)
        state.SkipWithError("the query found nothing");
    paintGrid(state);
    state.counters["rows"] = page().result().recordCount();
}

// At the last page the rows start again from the first, untimed.
void GridPageDown(benchmark::State& state) {
    page().showResult();
    data::DataSet& records = page().result();
    records.first();
    QImage image = gridImage();
    for (auto _ : state) {
        if (records.recNo() == records.recordCount()) {
            state.PauseTiming();
            records.first();
            state.ResumeTiming();
        }
        QKeyEvent press(QEvent::KeyPress, Qt::Key_PageDown, Qt::NoModifier);
        QCoreApplication::sendEvent(&page().grid(), &press);
        page().grid().render(&image);
        benchmark::DoNotOptimize(image.constBits());
    }
    state.counters["rows"] = records.recordCount();
}

} // namespace

void registerResultGridBenchmarks() {
    for (auto* benchmark : {benchmark::RegisterBenchmark("GridPaintEmpty", GridPaintEmpty),
                            benchmark::RegisterBenchmark("GridPaint", GridPaint),
                            benchmark::RegisterBenchmark("GridPageDown", GridPageDown)})
        benchmark->Unit(benchmark::kMicrosecond)->Repetitions(windowRepetitions);
}

void closeResultGridWindow() { shownPage().reset(); }

} // namespace tessarin::bench
