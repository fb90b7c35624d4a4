#pragma once

#include <QMessageBox>
#include <QObject>
#include <QString>

#include <vector>

namespace tessarin::testing {

// While it lives, every message box the application shows is recorded and
// answered at once with `answer` (OK by default), so a UI test can drive code
// that opens modal boxes and then check what they said.
class MessageBoxCatcher : public QObject {
public:
    struct Box {
        QString caption;
        QString text;
        QMessageBox::Icon icon;
        QMessageBox::StandardButtons buttons;
    };

    explicit MessageBoxCatcher(QMessageBox::StandardButton answer = QMessageBox::Ok);
    ~MessageBoxCatcher() override;

    const std::vector<Box>& boxes() const { return boxes_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QMessageBox::StandardButton answer_;
    std::vector<Box> boxes_;
};

} // namespace tessarin::testing
