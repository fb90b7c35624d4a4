#include "TGridFindDialog.h"

#include "TDataCheckBox.h"
#include "TDataComboBox.h"
#include "TDataGrid.h"
#include "widgets/MessageBoxes.h"

#include <QApplication>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QSignalBlocker>

namespace tessarin::grid {
namespace {

QPointer<TGridFindDialog>& theDialog() {
    static QPointer<TGridFindDialog> dialog;
    return dialog;
}

TDataComboBox* dropDown(const char* name, const QStringList& items, int current) {
    auto* box = new TDataComboBox;
    box->setObjectName(QLatin1String(name));
    box->addItems(items);
    box->setCurrentIndex(current);
    return box;
}

} // namespace

TGridFindDialog& TGridFindDialog::openFor(TDataGrid& grid) {
    QPointer<TGridFindDialog>& dialog = theDialog();
    if (!dialog) {
        dialog = new TGridFindDialog;
        connect(qApp, &QCoreApplication::aboutToQuit, dialog, &QObject::deleteLater);
    }
    dialog->showFor(grid);
    return *dialog;
}

TGridFindDialog* TGridFindDialog::instance() { return theDialog(); }

TGridFindDialog::TGridFindDialog() : QDialog(nullptr, Qt::Tool) {
    setWindowTitle(QStringLiteral("查找文本"));
    buildControls();
    connect(textBox_, &QComboBox::editTextChanged, this, &TGridFindDialog::restartSearch);
    connect(columnBox_, &QComboBox::currentIndexChanged, this, &TGridFindDialog::restartSearch);
    connect(directionBox_, &QComboBox::currentIndexChanged, this, &TGridFindDialog::restartSearch);
    connect(findButton_, &QPushButton::clicked, this, [this] { find(QGuiApplication::keyboardModifiers()); });
    connect(closeButton_, &QPushButton::clicked, this, &QWidget::close);
}

void TGridFindDialog::buildControls() {
    textBox_ = dropDown("textBox", {}, -1);
    textBox_->setEditable(true);
    textBox_->setInsertPolicy(QComboBox::NoInsert); // the history grows by Find only
    columnBox_ = dropDown("columnBox", {}, -1);
    matchBox_ = dropDown("matchBox", {QStringLiteral("字段的任意位置"), QStringLiteral("整个字段"), QStringLiteral("字段的开始处")}, 0);
    directionBox_ = dropDown("directionBox", {QStringLiteral("向上"), QStringLiteral("向下"), QStringLiteral("全部")}, 2);
    caseBox_ = new TDataCheckBox(QStringLiteral("区别大小写"));
    caseBox_->setObjectName(QStringLiteral("caseBox"));
    formatBox_ = new TDataCheckBox(QStringLiteral("格式匹配"));
    formatBox_->setObjectName(QStringLiteral("formatBox"));
    formatBox_->setChecked(true);
    findButton_ = new QPushButton(QStringLiteral("查找(&F)"));
    findButton_->setObjectName(QStringLiteral("findButton"));
    findButton_->setDefault(true);
    closeButton_ = new QPushButton(QStringLiteral("关闭(&C)"));
    closeButton_->setObjectName(QStringLiteral("closeButton"));

    auto* layout = new QGridLayout(this);
    const std::pair<const char*, TDataComboBox*> rows[] = {
        {"文本:", textBox_}, {"字段|列:", columnBox_}, {"匹配:", matchBox_}, {"方向:", directionBox_}};
    int row = 0;
    for (const auto& [caption, box] : rows) {
        layout->addWidget(new QLabel(QString::fromUtf8(caption)), row, 0);
        layout->addWidget(box, row, 1, 1, 2);
        ++row;
    }
    layout->addWidget(caseBox_, row, 1);
    layout->addWidget(formatBox_, row, 2);
    layout->addWidget(findButton_, 0, 3);
    layout->addWidget(closeButton_, 1, 3);
    layout->setColumnMinimumWidth(1, 100);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void TGridFindDialog::showFor(TDataGrid& grid) {
    {
        const QSignalBlocker blocker(textBox_);
        textBox_->clearEditText();
    }
    hide();
    attachTo(grid);
    listColumns();
    textBox_->setFocus();
    restartSearch();
    show();
    raise();
    activateWindow();
}

void TGridFindDialog::attachTo(TDataGrid& grid) {
    if (grid_)
        disconnect(grid_, nullptr, this, nullptr);
    grid_ = &grid;
    connect(&grid, &QObject::destroyed, this, &TGridFindDialog::detach);
    // A window of the grid's window, so that it stays above it and is not
    // blocked while that window is modal.
    if (parentWidget() != grid.window())
        setParent(grid.window(), windowFlags());
}

void TGridFindDialog::detach() {
    hide();
    setParent(nullptr, windowFlags());
}

void TGridFindDialog::listColumns() {
    const QSignalBlocker blocker(columnBox_);
    columnBox_->clear();
    listedColumns_.clear();
    const TGridColumns& columns = grid_->Columns();
    for (int c = 0; c < columns.Count(); ++c) {
        if (columns[c].Visible()) {
            listedColumns_.push_back(c);
            columnBox_->addItem(columns[c].Title().Caption());
        }
    }
    columnBox_->addItem(QStringLiteral("<全部>"));
    // The current column: the grid selects whole rows, so the first one shown.
    columnBox_->setCurrentIndex(listedColumns_.empty() ? -1 : 0);
}

void TGridFindDialog::restartSearch() {
    // One column, or every listed one for "<全部>" or no selection.
    const auto selected = static_cast<std::size_t>(columnBox_->currentIndex());
    std::vector<int> columns = listedColumns_;
    if (selected < listedColumns_.size())
        columns = {listedColumns_[selected]};
    search_.restart(std::move(columns), static_cast<FindDirection>(directionBox_->currentIndex()));
}

FindRequest TGridFindDialog::request(Qt::KeyboardModifiers modifiers) const {
    // "格式匹配" chooses between a cell's display text and its value as text;
    // the grids' fields hold plain text, where the two are the same.
    FindRequest request;
    request.text = textBox_->currentText();
    request.match = static_cast<FindMatch>(matchBox_->currentIndex());
    request.direction = static_cast<FindDirection>(directionBox_->currentIndex());
    request.caseSensitive = caseBox_->isChecked();
    request.reversed = modifiers.testFlag(Qt::ControlModifier);
    return request;
}

void TGridFindDialog::find(Qt::KeyboardModifiers modifiers) {
    const FindRequest request = this->request(modifiers);
    rememberText(request.text);
    if (!search_.find(grid_, request))
        tellNotFound(request.text);
}

void TGridFindDialog::rememberText(const QString& text) {
    if (textBox_->findText(text) >= 0)
        return;
    const QSignalBlocker blocker(textBox_); // the text itself stays: no new search
    textBox_->addItem(text);
    textBox_->setEditText(text);
}

void TGridFindDialog::tellNotFound(const QString& text) {
    QMessageBox box(QMessageBox::NoIcon, widgets::applicationTitle(),
                    QStringLiteral("字符串 \"") + text + QStringLiteral("\" 没有找到"), QMessageBox::Ok, this);
    box.exec();
}

void TGridFindDialog::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        find(event->modifiers());
        return;
    }
    QDialog::keyPressEvent(event); // Esc closes
}

} // namespace tessarin::grid
