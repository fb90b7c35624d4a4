#include "TForm2.h"

#include "DetailWindowIcon.h"
#include "grid/TDataGrid.h"
#include "widgets/TColor.h"
#include "widgets/TFont.h"
#include "widgets/TPaintControl.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QWheelEvent>

namespace tessarin::fares {
namespace {

using widgets::TFont;

// Where a field's caption and the field itself lie on the panel.
struct FieldPlace {
    QPoint label;
    QPoint field;
};

// In the screen order of EmptyDetailFields: four rows of three.
constexpr std::array<FieldPlace, 12> fieldPlaces{{
    {{1, 11}, {45, 9}},   {{154, 16}, {201, 9}},  {{310, 16}, {355, 10}},
    {{1, 35}, {46, 33}},  {{154, 40}, {202, 34}}, {{310, 41}, {355, 34}},
    {{1, 60}, {46, 58}},  {{154, 64}, {202, 59}}, {{310, 66}, {355, 58}},
    {{1, 85}, {46, 82}},  {{155, 88}, {203, 83}}, {{310, 87}, {355, 82}},
}};

constexpr QSize fieldSize(105, 20);

// After the close button, the fields in this order; the stop grid follows them.
constexpr std::array<const char*, 12> fieldTabOrder{"edt1", "edt2", "edt3",  "edt4",  "edt5",  "edt6",
                                                    "edt7", "edt9", "edt8", "edt10", "edt11", "edt12"};

QString caption(const QString& trainId) {
    return QStringLiteral("车次：") + trainId + QStringLiteral("（票价以实际票价为准！）");
}

void makeLabel(const DetailField& field, QPoint place, QWidget* panel) {
    auto* label = new QLabel(QString::fromUtf8(field.caption), panel);
    label->setObjectName(QString::fromUtf8(field.labelName));
    label->setFont(TFont::make(QStringLiteral("宋体"), -12).font);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, widgets::clWindowText.toQColor());
    label->setPalette(palette);
    label->move(place);
    label->adjustSize();
}

QLineEdit* makeField(const DetailField& field, QPoint place, QWidget* panel) {
    auto* edit = new QLineEdit(panel);
    edit->setObjectName(QString::fromUtf8(field.fieldName));
    edit->setReadOnly(true);
    edit->setFont(TFont::make(QStringLiteral("宋体"), -12).font);
    QPalette palette = edit->palette();
    palette.setColor(QPalette::Base, widgets::clBtnHighlight.toQColor());
    edit->setPalette(palette);
    edit->setGeometry(QRect(place, fieldSize));
    return edit;
}

} // namespace

TForm2::TForm2(data::Connection& connection, const QString& trainId)
    : StopListWindow(connection, trainId, QPoint(419, 216)), qry1(connection) {
    setObjectName(QStringLiteral("Form2"));
    setWindowIcon(detailWindowIcon());
    createFields();
    btn2 = addCloseButton(QStringLiteral("btn2"));
    dbgrd1 = addStopGrid(QStringLiteral("dbgrd1"), QRect(0, 103, 461, 362));
    orderTabStops();
}

void TForm2::createFields() {
    const DetailFields fields = EmptyDetailFields();
    for (std::size_t i = 0; i < fields.size(); ++i) {
        makeLabel(fields[i], fieldPlaces[i].label, PaintControl1);
        fields_[i] = makeField(fields[i], fieldPlaces[i].field, PaintControl1);
    }
}

void TForm2::orderTabStops() {
    QWidget* previous = btn2;
    for (const char* name : fieldTabOrder) {
        QWidget* next = PaintControl1->findChild<QLineEdit*>(QString::fromUtf8(name));
        QWidget::setTabOrder(previous, next);
        previous = next;
    }
    QWidget::setTabOrder(previous, dbgrd1);
}

void TForm2::FormShow() {
    setWindowTitle(caption(trainId()));
    const DetailRow row = ReadDetailRow(qry1, trainId().toStdString());
    openStops();
    // Nothing is shown until every fare is known.
    fillFields(DetailFieldsFor(connection(), row));
    dbgrd1->installEventFilter(this);
}

void TForm2::fillFields(const DetailFields& fields) {
    for (std::size_t i = 0; i < fields.size(); ++i)
        fields_[i]->setText(QString::fromStdString(fields[i].value));
}

bool TForm2::eventFilter(QObject* watched, QEvent* event) {
    if (watched == dbgrd1)
        return StopGridWndProc(event);
    return StopListWindow::eventFilter(watched, event);
}

bool TForm2::StopGridWndProc(QEvent* event) {
    if (event->type() != QEvent::Wheel)
        return false;
    const QPoint delta = static_cast<QWheelEvent*>(event)->angleDelta();
    // A sideways turn is a wheel of its own, which the grid handles.
    if (delta.y() == 0 && delta.x() != 0)
        return false;
    try {
        if (data::DataSet* stops = ds1.dataSet())
            stops->moveBy(delta.y() < 0 ? 1 : -1);
    } catch (const std::exception&) {
        // A turn of the wheel that cannot move the stop list moves nothing.
    }
    return true;
}

} // namespace tessarin::fares
