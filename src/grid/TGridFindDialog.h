#pragma once

#include "GridSearch.h"

#include <QDialog>
#include <QPointer>

#include <vector>

class QPushButton;

namespace tessarin::grid {

class TDataCheckBox;
class TDataComboBox;
class TDataGrid;

// The find dialog "查找文本" of the data grids: one for the whole application,
// created on first use and kept until the application ends, with the history
// of searched texts. It is not modal; it stays on top of the window of the
// grid it searches, and hides when that grid goes away.
//
// Find ("查找(&F)" or Enter) searches the grid's cells for the text by the
// match, direction and case settings (GridSearch); holding Ctrl searches the
// other way. When nothing is found the grid's record and rows return to
// where they were and the dialog says "字符串 "<text>" 没有找到". Esc and
// "关闭(&C)" close the dialog.
class TGridFindDialog : public QDialog {
    Q_OBJECT

public:
    // Ctrl+F in a grid: empties the text, lists the grid's visible columns'
    // captions and "<全部>", selects the current column, starts a new search
    // and shows the dialog with the focus in the text box.
    static TGridFindDialog& openFor(TDataGrid& grid);
    // The application's dialog; none before the first openFor().
    static TGridFindDialog* instance();

    // One press of Find with these keyboard modifiers.
    void find(Qt::KeyboardModifiers modifiers);
    // The grid searched; none once it went away.
    TDataGrid* grid() const { return grid_; }

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    TGridFindDialog();

    void buildControls();
    void showFor(TDataGrid& grid);
    void attachTo(TDataGrid& grid);
    void detach();
    void listColumns();
    void restartSearch();
    void rememberText(const QString& text);
    FindRequest request(Qt::KeyboardModifiers modifiers) const;
    void tellNotFound(const QString& text);

    QPointer<TDataGrid> grid_;
    // The grid's column indices behind the column box's items, "<全部>" aside.
    std::vector<int> listedColumns_;
    GridSearch search_;

    TDataComboBox* textBox_ = nullptr;
    TDataComboBox* columnBox_ = nullptr;
    TDataComboBox* matchBox_ = nullptr;
    TDataComboBox* directionBox_ = nullptr;
    TDataCheckBox* caseBox_ = nullptr;
    TDataCheckBox* formatBox_ = nullptr;
    QPushButton* findButton_ = nullptr;
    QPushButton* closeButton_ = nullptr;
};

} // namespace tessarin::grid
