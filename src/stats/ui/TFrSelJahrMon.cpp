#include "stats/ui/TFrSelJahrMon.h"

#include "stats/ui/SelectorGrid.h"

#include <QGridLayout>
#include <QLabel>

namespace tekvora::stats::ui {

namespace {

const QColor darkBlue(0x00, 0x00, 0xC0);
const QColor yellow(0xFF, 0xFF, 0x00);
const QColor green(0x00, 0xFF, 0x00);
const QColor red(0xFF, 0x00, 0x00);
const QColor grey(0xA0, 0xA0, 0xA0);

constexpr int markedIndent = 15;

} // namespace

TFrSelJahrMon::TFrSelJahrMon(QWidget *parent)
    : QFrame(parent),
      m_yearGrid(new SelectorGrid(PeriodSelection::yearRows, PeriodSelection::yearColumns, QSize(34, 19), 44, this)),
      m_calendarGrid(
          new SelectorGrid(PeriodSelection::calendarRows, PeriodSelection::calendarColumns, QSize(26, 19), 28, this)),
      m_rangeLabel(new QLabel(this)),
      m_monthLabel(new QLabel(this))
{
    setObjectName(QStringLiteral("TFrSelJahrMon"));
    m_yearGrid->setObjectName(QStringLiteral("sgJahr"));
    m_calendarGrid->setObjectName(QStringLiteral("sgMonat"));
    m_rangeLabel->setObjectName(QStringLiteral("lblZeitraum"));
    m_monthLabel->setObjectName(QStringLiteral("lblMonat"));

    auto *rangeCaption = new QLabel(QStringLiteral("Zeitraum"), this);
    rangeCaption->setObjectName(QStringLiteral("lblZeitraumTitel"));
    auto *rangeRow = new QHBoxLayout;
    rangeRow->setSpacing(8);
    rangeRow->addWidget(rangeCaption);
    rangeRow->addWidget(m_rangeLabel);
    rangeRow->addStretch();

    auto *layout = new QGridLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->setHorizontalSpacing(12);
    layout->addWidget(m_yearGrid, 0, 0);
    layout->addLayout(rangeRow, 1, 0);
    layout->addWidget(m_calendarGrid, 0, 1);
    layout->addWidget(m_monthLabel, 1, 1);
    layout->setColumnStretch(2, 1);

    m_yearGrid->setLookFunction([this](int row, int column) { return yearLook(row, column); });
    m_calendarGrid->setLookFunction([this](int row, int column) { return calendarLook(row, column); });

    connect(m_yearGrid, &SelectorGrid::cellPressed, this,
            [this](int row, int column) { apply([&] { m_selection.pressYearCell(row, column); }); });
    connect(m_yearGrid, &SelectorGrid::cellDragged, this,
            [this](int row, int column) { apply([&] { m_selection.dragYearCell(row, column); }); });
    connect(m_calendarGrid, &SelectorGrid::cellPressed, this,
            [this](int row, int column) { apply([&] { m_selection.pressCalendarCell(row, column); }); });
    connect(m_calendarGrid, &SelectorGrid::cellDragged, this,
            [this](int row, int column) { apply([&] { m_selection.dragCalendarCell(row, column); }); });

    setUp(QDate::currentDate(), -6);
}

void TFrSelJahrMon::setUp(const QDate &reference, int yearOffset)
{
    apply([&] { m_selection.setUp(reference, yearOffset); });
}

void TFrSelJahrMon::setRange(const QDate &start, const QDate &end)
{
    apply([&] { m_selection.setRange(start, end); });
}

template<typename Change>
void TFrSelJahrMon::apply(Change change)
{
    const QDate oldStart = m_selection.start();
    const QDate oldEnd = m_selection.end();
    change();
    redraw();
    if (m_selection.start() != oldStart || m_selection.end() != oldEnd)
        emit periodChanged(m_selection.start(), m_selection.end());
}

void TFrSelJahrMon::redraw()
{
    m_rangeLabel->setText(m_selection.rangeText());
    m_monthLabel->setText(m_selection.monthText());
    m_yearGrid->update();
    m_calendarGrid->update();
}

CellLook TFrSelJahrMon::yearLook(int row, int column) const
{
    CellLook look;
    look.text = m_selection.yearCellText(row, column);
    if (row == 0) {
        look.background = palette().color(QPalette::Button);
        look.foreground = palette().color(QPalette::ButtonText);
    } else if (column == 0) {
        look.background = darkBlue;
        look.foreground = Qt::white;
    } else if (m_selection.isMonthMarked(row, column)) {
        look.background = yellow;
        look.foreground = Qt::black;
        look.bold = true;
        look.indent = markedIndent;
    } else {
        look.background = Qt::white;
        look.foreground = Qt::black;
    }
    return look;
}

CellLook TFrSelJahrMon::calendarLook(int row, int column) const
{
    CellLook look;
    look.alignment = Qt::AlignCenter;
    if (row == 0) {
        look.text = m_selection.calendarCellText(row, column);
        look.background = palette().color(QPalette::Button);
        look.foreground = palette().color(QPalette::ButtonText);
        return look;
    }
    if (column == 0) {
        look.text = m_selection.calendarCellText(row, column);
        look.background = darkBlue;
        look.foreground = Qt::white;
        return look;
    }
    const CalendarDay day = m_selection.calendarDay(row, column);
    look.text = day.text;
    look.background = day.inRange ? yellow : day.weekend ? green : QColor(Qt::white);
    look.foreground = !day.inShownMonth ? grey : day.holiday ? red : QColor(Qt::black);
    look.bold = day.holiday;
    return look;
}

} // namespace tekvora::stats::ui
