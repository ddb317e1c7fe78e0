#include "stats/ui/TF_Kalender.h"

#include "app/Conversions.h"
#include "app/Dates.h"
#include "app/Holidays.h"
#include "app/Placement.h"

#include <QApplication>
#include <QCalendarWidget>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTextCharFormat>
#include <QToolButton>
#include <QVBoxLayout>

namespace tekvora::stats::ui {

namespace {

constexpr int editOffsetX = -120;
constexpr int editOffsetY = 22;

QToolButton *stepButton(Qt::ArrowType arrow, const QString &name, QWidget *parent)
{
    auto *button = new QToolButton(parent);
    button->setObjectName(name);
    button->setArrowType(arrow);
    button->setAutoRepeat(true);
    button->setFixedSize(20, 14);
    return button;
}

/// Two arrow buttons stacked like an up-down control.
QVBoxLayout *upDown(QToolButton *up, QToolButton *down)
{
    auto *column = new QVBoxLayout;
    column->setSpacing(0);
    column->addWidget(up);
    column->addWidget(down);
    return column;
}

} // namespace

TF_Kalender::TF_Kalender(QWidget *parent)
    : QDialog(parent),
      m_calendar(new QCalendarWidget(this)),
      m_yearLabel(new QLabel(this)),
      m_monthLabel(new QLabel(this)),
      m_holidayLabel(new QLabel(this))
{
    setObjectName(QStringLiteral("TF_Kalender"));
    setWindowTitle(QStringLiteral("Kalender"));

    m_calendar->setObjectName(QStringLiteral("Calendar"));
    m_calendar->setLocale(app::germanLocale());
    m_calendar->setFirstDayOfWeek(Qt::Monday);
    m_calendar->setNavigationBarVisible(false);
    m_calendar->setHorizontalHeaderFormat(QCalendarWidget::ShortDayNames);
    m_calendar->setVerticalHeaderFormat(QCalendarWidget::ISOWeekNumbers);
    m_calendar->setGridVisible(true);
    QTextCharFormat weekend;
    weekend.setForeground(QColor(0x00, 0x80, 0x00));
    m_calendar->setWeekdayTextFormat(Qt::Saturday, weekend);
    m_calendar->setWeekdayTextFormat(Qt::Sunday, weekend);
    m_calendar->installEventFilter(this);
    for (QWidget *child : m_calendar->findChildren<QWidget *>())
        child->installEventFilter(this);

    m_yearLabel->setObjectName(QStringLiteral("lblJahr"));
    m_monthLabel->setObjectName(QStringLiteral("lblMonat"));
    m_holidayLabel->setObjectName(QStringLiteral("lblFeiertag"));
    QFont big = m_yearLabel->font();
    big.setBold(true);
    big.setPointSizeF(big.pointSizeF() * 1.2);
    m_yearLabel->setFont(big);
    m_monthLabel->setFont(big);
    m_monthLabel->setMinimumWidth(QFontMetrics(big).horizontalAdvance(QStringLiteral("September ")));
    QPalette holidayPalette = m_holidayLabel->palette();
    holidayPalette.setColor(QPalette::WindowText, Qt::red);
    m_holidayLabel->setPalette(holidayPalette);

    auto *yearUp = stepButton(Qt::UpArrow, QStringLiteral("udJahrAuf"), this);
    auto *yearDown = stepButton(Qt::DownArrow, QStringLiteral("udJahrAb"), this);
    auto *monthUp = stepButton(Qt::UpArrow, QStringLiteral("udMonatAuf"), this);
    auto *monthDown = stepButton(Qt::DownArrow, QStringLiteral("udMonatAb"), this);

    auto *today = new QPushButton(QStringLiteral("&Heute"), this);
    today->setObjectName(QStringLiteral("btnHeute"));
    auto *ok = new QPushButton(QStringLiteral("&OK"), this);
    ok->setObjectName(QStringLiteral("btnOK"));
    ok->setDefault(true);
    auto *cancel = new QPushButton(QStringLiteral("&Abbrechen"), this);
    cancel->setObjectName(QStringLiteral("btnAbbrechen"));

    auto *header = new QHBoxLayout;
    header->addWidget(m_monthLabel);
    header->addLayout(upDown(monthUp, monthDown));
    header->addStretch();
    header->addWidget(m_yearLabel);
    header->addLayout(upDown(yearUp, yearDown));

    auto *buttons = new QHBoxLayout;
    buttons->addWidget(today);
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(cancel);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(header);
    layout->addWidget(m_calendar);
    layout->addWidget(m_holidayLabel);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(yearUp, &QToolButton::clicked, this, [this] { stepYears(1); });
    connect(yearDown, &QToolButton::clicked, this, [this] { stepYears(-1); });
    connect(monthUp, &QToolButton::clicked, this, [this] { stepMonths(1); });
    connect(monthDown, &QToolButton::clicked, this, [this] { stepMonths(-1); });
    connect(today, &QPushButton::clicked, this, [this] { setSelectedDate(QDate::currentDate()); });
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(m_calendar, &QCalendarWidget::activated, this, &QDialog::accept);
    connect(m_calendar, &QCalendarWidget::selectionChanged, this, &TF_Kalender::showSelection);
    connect(m_calendar, &QCalendarWidget::currentPageChanged, this, [this](int year, int) { markHolidays(year); });

    setSelectedDate(QDate::currentDate());
    markHolidays(selectedDate().year());
}

QDate TF_Kalender::selectedDate() const
{
    return m_calendar->selectedDate();
}

void TF_Kalender::setSelectedDate(const QDate &date)
{
    m_calendar->setSelectedDate(date);
    m_calendar->setCurrentPage(date.year(), date.month());
    showSelection();
}

void TF_Kalender::stepMonths(int months)
{
    setSelectedDate(selectedDate().addMonths(months)); // keeps the day, cut to the month's length
}

void TF_Kalender::stepYears(int years)
{
    setSelectedDate(selectedDate().addYears(years));
}

void TF_Kalender::showSelection()
{
    const QDate date = selectedDate();
    m_yearLabel->setText(QString::number(date.year()).rightJustified(4, QLatin1Char('0')));
    m_monthLabel->setText(app::monthName(date.month()));
    m_holidayLabel->setText(app::isHoliday(date) ? app::holidayName(date.year(), date.month(), date.day())
                                                 : QString());
    if (m_calendar->yearShown() != date.year() || m_calendar->monthShown() != date.month())
        m_calendar->setCurrentPage(date.year(), date.month());
}

void TF_Kalender::markHolidays(int year)
{
    QTextCharFormat holiday;
    holiday.setForeground(Qt::red);
    holiday.setFontWeight(QFont::Bold);
    // The shown page also has days of the neighbouring years in its first and last rows.
    m_calendar->setDateTextFormat(QDate(), QTextCharFormat());
    for (int y = year - 1; y <= year + 1; ++y)
        for (const app::Holiday &day : app::holidaysOf(y))
            m_calendar->setDateTextFormat(day.date, holiday);
}

bool TF_Kalender::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress) {
        const auto *key = static_cast<QKeyEvent *>(event);
        if (key->modifiers() == Qt::AltModifier) {
            switch (key->key()) {
            case Qt::Key_PageUp:
                stepYears(-1);
                return true;
            case Qt::Key_PageDown:
                stepYears(1);
                return true;
            case Qt::Key_Up:
                stepMonths(1);
                return true;
            case Qt::Key_Down:
                stepMonths(-1);
                return true;
            default:
                break;
            }
        }
    }
    return QDialog::eventFilter(watched, event);
}

bool TF_Kalender::run(const QPoint &position, const QDate &start, const FieldSetter &setField)
{
    TF_Kalender dialog(QApplication::activeWindow());
    dialog.setSelectedDate(start.isValid() ? start : QDate::currentDate());
    dialog.move(position);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    setField(dialog.selectedDate());
    return true;
}

bool TF_Kalender::pickForEdit(QLineEdit *box)
{
    const QPoint position = app::offsetOnScreen(box->mapToGlobal(QPoint(0, 0)), editOffsetX, editOffsetY);
    return run(position, app::textToDate(box->text()), [box](const QDate &date) { box->setText(app::dateText(date)); });
}

bool TF_Kalender::pickForField(QWidget *box, const QDate &fieldDate, const FieldSetter &setField)
{
    const QPoint position = app::offsetOnScreen(box->mapToGlobal(QPoint(0, 0)), editOffsetX, editOffsetY);
    return run(position, fieldDate, setField);
}

bool TF_Kalender::pickAt(int dx, int dy, const QDate &fieldDate, const FieldSetter &setField)
{
    const QWidget *active = QApplication::activeWindow();
    const QPoint origin = active ? active->pos() : QPoint(0, 0);
    return run(app::offsetOnScreen(origin, dx, dy), fieldDate, setField);
}

} // namespace tekvora::stats::ui
