#pragma once

#include "TColor.h"

#include <QFrame>

namespace tessarin::widgets {

// A plain panel: a container filled with one colour, without a bevel.
class TPanel : public QFrame {
    Q_OBJECT

public:
    explicit TPanel(QWidget* parent = nullptr);

    TColor Color() const noexcept { return color_; }
    void setColor(TColor color);

private:
    TColor color_ = clBtnFace;
};

} // namespace tessarin::widgets
