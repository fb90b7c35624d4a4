#pragma once

#include <QWidget>

namespace tessarin::bench {

// The start-up benchmarks' baseline window: the main window's size and
// font, painting one line in each of the main window's two fonts, so that
// loading the fonts is not counted as the main window's own cost. Its
// object name is "EmptyWindow".
class EmptyWindow : public QWidget {
public:
    EmptyWindow();

protected:
    void paintEvent(QPaintEvent* event) override;
};

} // namespace tessarin::bench
