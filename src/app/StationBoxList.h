#pragma once

#include <QObject>

class QComboBox;
class QKeyEvent;

namespace tessarin::app {

// The drop-down list of a station box as the traveller uses it. While it is
// dropped down, typing still goes to the box's edit; only the keys that pick
// from the list (the arrows, the page keys, Enter, Escape) stay with it.
// A list dropped down has no name chosen: the first Down or Up chooses the
// first name, and Enter before any choice closes the list keeping the typed
// text (its release then moves on, as the box's key handler says).
//
// The object is a child of the box and ends with it.
class StationBoxList : public QObject {
    Q_OBJECT

public:
    explicit StationBoxList(QComboBox& box);

    // The list of a box, made on first use.
    static StationBoxList& of(QComboBox& box);

    // Drops the list down with no name chosen, also when it holds no name:
    // it then drops down empty. The typed text and the caret stay as they are.
    void dropDown();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool listKeyPressed(const QKeyEvent& key);
    void dropDownEmpty();

    QComboBox& box_;
};

} // namespace tessarin::app
