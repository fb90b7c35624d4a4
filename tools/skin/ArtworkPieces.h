#pragma once

// The bitmaps of the metallic skin, one function each, at the sizes, state
// counts and margins its definition (metallic.ini) gives them.

#include <QImage>

#include <string_view>

namespace tessarin::skin::tools {

// Window frame: borders, caption buttons, child-window controls, menu bar.
QImage topBorder();
QImage bottomBorder();
QImage leftBorder();
QImage rightBorder();
enum class CaptionSymbol { Close, Maximize, Restore, Minimize, Help };
QImage captionButton(CaptionSymbol symbol, bool disabled);
QImage childWindowButtons();
QImage menuBar();

// Controls.
QImage pushButton();
QImage checkBox();
QImage radioButton();
QImage progressBar();
QImage groupBoxEdge();
QImage groupBoxTop();
QImage tabPanel();
QImage tabItem();
QImage statusBar();
QImage comboBoxButton();
QImage comboBoxBorder();
QImage extraImages();
QImage headerBar();
QImage menuItem();
QImage menuBackground();
QImage toolbarBackground();
QImage toolbarButtons();
QImage menuButton();
QImage dialogBackground();
QImage trackGroove(Qt::Orientation orientation);

// Scroll bars.
QImage scrollBarButtons();
QImage scrollShaft(Qt::Orientation orientation);
QImage scrollThumb(Qt::Orientation orientation);

} // namespace tessarin::skin::tools
