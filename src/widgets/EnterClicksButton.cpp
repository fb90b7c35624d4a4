#include "EnterClicksButton.h"

#include <QKeyEvent>
#include <QPushButton>

namespace tessarin::widgets {
namespace {

// One filter serves every button it is installed on.
class EnterClicks : public QObject {
public:
    static EnterClicks& instance() {
        static EnterClicks filter;
        return filter;
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::KeyPress)
            return false;
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() != Qt::Key_Return && key->key() != Qt::Key_Enter)
            return false;
        auto* button = static_cast<QPushButton*>(watched);
        if (!button->isEnabled())
            return false;
        if (!key->isAutoRepeat())
            button->click();
        return true;
    }
};

} // namespace

void clickOnEnter(QPushButton& button) { button.installEventFilter(&EnterClicks::instance()); }

} // namespace tessarin::widgets
