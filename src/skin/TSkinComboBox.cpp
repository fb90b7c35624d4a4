#include "TSkinComboBox.h"

#include "ControlPainting.h"
#include "TSkinDropListScrollBar.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QGuiApplication>
#include <QLineEdit>
#include <QMouseEvent>
#include <QStyle>
#include <QStyleOptionComboBox>

namespace tessarin::skin {

TSkinComboBox::TSkinComboBox(QComboBox& box, const TSkinComponent& component)
    : TSkinControl(box, component), box_(box) {}

void TSkinComboBox::attach() {
    if (QLineEdit* edit = box_.lineEdit())
        watch(*edit);
    dropList_ = new TSkinDropListScrollBar(*box_.view(), *component());
    dropList_->attach();
    TSkinControl::attach();
}

void TSkinComboBox::detach() {
    if (dropList_) {
        dropList_->detach();
        delete dropList_.data();
    }
    TSkinControl::detach();
}

QRect TSkinComboBox::buttonRect() const {
    QStyleOptionComboBox option;
    option.initFrom(&box_);
    option.editable = box_.isEditable();
    option.frame = box_.hasFrame();
    return box_.style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxArrow, &box_);
}

bool TSkinComboBox::leftButtonHeld() const {
    return pressed() && QGuiApplication::mouseButtons().testFlag(Qt::LeftButton);
}

bool TSkinComboBox::filterEvent(QObject* watched, QEvent* event) {
    const bool onBox = watched == &box_;
    switch (event->type()) {
    case QEvent::MouseMove:
        if (onBox)
            setHot(buttonRect().contains(static_cast<QMouseEvent*>(event)->position().toPoint()));
        break;
    case QEvent::Leave:
        if (onBox)
            setHot(false);
        break;
    case QEvent::Enter:
        // Into the edit part, off the button.
        if (!onBox)
            setHot(false);
        break;
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
        if (static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton)
            setPressed(true);
        break;
    case QEvent::MouseButtonRelease:
        if (static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton)
            setPressed(false);
        break;
    default:
        break;
    }
    return false;
}

void TSkinComboBox::paintOver(QPainter& painter) {
    if (!hasComboBoxPicture(*skin()) || buttonRect().isEmpty())
        return;
    ComboBoxLook look;
    look.rect = box_.rect();
    const bool focused = !box_.isEditable() && box_.hasFocus();
    look.frame = comboBoxFrame(box_.isEnabled(), leftButtonHeld(), focused, hot());
    look.rightToLeft = box_.layoutDirection() == Qt::RightToLeft;
    look.background = box_.palette().color(QPalette::Base);
    paintComboBox(painter, *skin(), look, box_.style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, &box_));
}

} // namespace tessarin::skin
