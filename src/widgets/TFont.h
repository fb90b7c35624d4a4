#pragma once

#include "TColor.h"

#include <QFont>
#include <QString>

namespace tessarin::widgets {

// A font as the window definitions give it: typeface, size and style, and the
// colour its text is written in.
struct TFont {
    QFont font;
    TColor color = clWindowText;

    // A face at a height in the definitions' terms: a negative height is a
    // pixel height (−12 is 12 pixels, 9 point at 96 pixels per inch).
    static TFont make(const QString& family, int height, TColor color = clWindowText);

    friend bool operator==(const TFont&, const TFont&) = default;
};

} // namespace tessarin::widgets
