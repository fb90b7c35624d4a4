#pragma once

#include "TSkinControl.h"

class QCheckBox;

namespace tessarin::skin {

// A check box drawn from the check-box picture of the skin's "Buttons":
// the mark of its state on the button face and its caption beside it. The
// box keeps its own mouse and keyboard handling; the skin paints it wholly.
// Without a check-box picture it keeps its own look.
class TSkinCheckBox : public TSkinControl {
    Q_OBJECT

public:
    TSkinCheckBox(QCheckBox& box, const TSkinComponent& component);

protected:
    void paintOver(QPainter& painter) override;
    bool paintsInstead() const override;

private:
    QCheckBox& box_;
};

} // namespace tessarin::skin
