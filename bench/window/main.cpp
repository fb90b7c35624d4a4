// The main window's benchmarks, on Qt's offscreen platform with the
// program's application object (its style and font substitutions). The
// start-up ones run first: each start deletes the skin manager, which the
// result grid's window then keeps. Started with the arguments of a separate
// start (SeparateStart.h), the program is that start instead.

#include "BaselineReporter.h"
#include "SeparateStart.h"
#include "WindowBenchmarks.h"
#include "app/TessarinApplication.h"

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    if (const auto status = tessarin::bench::runAsStartedCopy(argc, argv))
        return *status;
    tessarin::app::TessarinApplication application(argc, argv);
    tessarin::bench::registerStartUpBenchmarks();
    tessarin::bench::registerResultGridBenchmarks();
    const int status = tessarin::bench::runAgainstBaselines(
        argc, argv,
        {{"StartUp", "StartUpBaseline", "empty window"},
         {"StartUpSkinned", "StartUpBaseline", "empty window"},
         {"ProcessStartUp", "ProcessStartUpBaseline", "process showing an empty window", false},
         {"GridPaint", "GridPaintEmpty", "empty grid"},
         {"GridPageDown", "GridPaintEmpty", "empty grid"},
         {"GridPageDown", "GridPaint", "the page painted without a move"}});
    tessarin::bench::closeResultGridWindow();
    return status;
}
