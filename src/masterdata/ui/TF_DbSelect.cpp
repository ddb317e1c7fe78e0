#include "masterdata/ui/TF_DbSelect.h"

#include "app/UserPrompt.h"
#include "db/ui/SortGridView.h"
#include "db/ui/SqlGridModel.h"
#include "masterdata/ui/DialogPlacement.h"

#include <QCoreApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>

namespace tekvora::masterdata {

namespace {

bool startsSearch(const QKeyEvent *event)
{
    const int key = event->key();
    const bool digitOrLetter = (key >= Qt::Key_0 && key <= Qt::Key_9) || (key >= Qt::Key_A && key <= Qt::Key_Z);
    return digitOrLetter && !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier)) &&
           event->text().size() == 1;
}

bool movesToGrid(const QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
    case Qt::Key_Up:
    case Qt::Key_Down:
        return true;
    default:
        return false;
    }
}

} // namespace

bool TF_DbSelect::choose(const DbSelectRequest &request, QVariant &key, QString &sortField, app::UserPrompt &prompt,
                         QWidget *parent)
{
    TF_DbSelect dialog(request, key, sortField, prompt, parent);
    if (!dialog.isReady())
        return false;
    const bool chosen = dialog.exec() == QDialog::Accepted && dialog.currentKey().isValid();
    if (chosen)
        key = dialog.currentKey();
    sortField = dialog.sortField();
    return chosen;
}

TF_DbSelect::TF_DbSelect(const DbSelectRequest &request, const QVariant &preselected, const QString &sortField,
                         app::UserPrompt &prompt, QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("TF_DbSelect"));
    setWindowTitle(request.caption.isEmpty() ? QStringLiteral("Datenbank-Auswahl") : request.caption);
    m_model = new db::SqlGridModel(QSqlDatabase::database(request.connectionName, false), request.table,
                                   request.keyField, request.columns, request.filter, this);
    const bool opened = m_model->open();
    buildWindow(request, prompt);
    if (!opened) {
        prompt.error(QStringLiteral("Die Tabelle \"%1\" kann nicht geöffnet werden.\n%2")
                         .arg(request.table, m_model->lastError()));
        return;
    }
    m_ready = true;
    m_grid->sortGridByField(sortField.isEmpty() ? request.keyField : sortField);
    m_grid->goToKey(preselected);
    const int bars = layout()->sizeHint().height() - m_grid->sizeHint().height();
    resize(m_grid->designedWidth(), bars + request.gridHeight);
    placeOnScreen(this, request.topLeft);
}

TF_DbSelect::~TF_DbSelect() = default;

QVariant TF_DbSelect::currentKey() const
{
    return m_grid->currentKey();
}

QString TF_DbSelect::sortField() const
{
    return m_model->sortField();
}

void TF_DbSelect::buildWindow(const DbSelectRequest &request, app::UserPrompt &prompt)
{
    auto *topBar = new QHBoxLayout;
    topBar->setContentsMargins(4, 4, 4, 4);
    const struct
    {
        const char *name;
        QStyle::StandardPixmap icon;
        const char *tip;
    } navigator[] = {
        {"navFirst", QStyle::SP_MediaSkipBackward, "Erster Datensatz"},
        {"navPrior", QStyle::SP_MediaPlay, "Voriger Datensatz"},
        {"navNext", QStyle::SP_MediaPlay, "Nächster Datensatz"},
        {"navLast", QStyle::SP_MediaSkipForward, "Letzter Datensatz"},
    };
    QList<QToolButton *> buttons;
    for (const auto &nav : navigator) {
        auto *button = new QToolButton(this);
        button->setObjectName(QLatin1String(nav.name));
        button->setToolTip(QString::fromUtf8(nav.tip));
        button->setIcon(style()->standardIcon(nav.icon));
        button->setFocusPolicy(Qt::NoFocus);
        button->setAutoRaise(true);
        topBar->addWidget(button);
        buttons << button;
    }
    buttons[1]->setArrowType(Qt::LeftArrow);
    buttons[2]->setArrowType(Qt::RightArrow);
    topBar->addStretch();
    auto *label = new QLabel(QStringLiteral("Suchen"), this);
    label->setObjectName(QStringLiteral("lblSearch"));
    m_search = new QLineEdit(this);
    m_search->setObjectName(QStringLiteral("edSearch"));
    label->setBuddy(m_search);
    topBar->addWidget(label);
    topBar->addWidget(m_search);

    m_grid = new db::SortGridView(this);
    m_grid->setObjectName(QStringLiteral("grid"));
    m_grid->setGridModel(m_model);
    m_grid->setMinimumHeight(std::min(request.gridHeight, 60));
    m_grid->attachSearchBox(m_search, prompt);

    auto *bottomBar = new QHBoxLayout;
    bottomBar->setContentsMargins(4, 4, 4, 4);
    bottomBar->addStretch();
    m_ok = new QPushButton(QStringLiteral("&OK"), this);
    m_ok->setObjectName(QStringLiteral("btnOK"));
    m_ok->setDefault(true);
    m_cancel = new QPushButton(QStringLiteral("&Abbrechen"), this);
    m_cancel->setObjectName(QStringLiteral("btnCancel"));
    bottomBar->addWidget(m_ok);
    bottomBar->addWidget(m_cancel);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addLayout(topBar);
    layout->addWidget(m_grid, 1);
    layout->addLayout(bottomBar);

    setTabOrder(m_grid, m_search);
    setTabOrder(m_search, m_ok);
    setTabOrder(m_ok, m_cancel);
    for (QWidget *widget : {static_cast<QWidget *>(m_grid), static_cast<QWidget *>(m_ok),
                            static_cast<QWidget *>(m_cancel), static_cast<QWidget *>(m_search)})
        widget->installEventFilter(this);

    db::SortGridView *grid = m_grid;
    connect(buttons[0], &QToolButton::clicked, grid, [grid] { grid->goToRow(0); });
    connect(buttons[1], &QToolButton::clicked, grid, [grid] { grid->goToRow(grid->currentIndex().row() - 1); });
    connect(buttons[2], &QToolButton::clicked, grid, [grid] { grid->goToRow(grid->currentIndex().row() + 1); });
    connect(buttons[3], &QToolButton::clicked, grid,
            [grid] { grid->goToRow(grid->gridModel()->rowCount() - 1); });
    connect(m_grid, &QAbstractItemView::doubleClicked, this, &QDialog::accept);
    connect(m_ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(m_cancel, &QPushButton::clicked, this, &QDialog::reject);
}

void TF_DbSelect::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    m_search->setFocus();
}

bool TF_DbSelect::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::KeyPress)
        return QDialog::eventFilter(watched, event);
    auto *keyEvent = static_cast<QKeyEvent *>(event);
    if (watched == m_search) {
        if (!movesToGrid(keyEvent))
            return false;
        m_grid->setFocus();
        QKeyEvent forwarded(QEvent::KeyPress, keyEvent->key(), keyEvent->modifiers());
        QCoreApplication::sendEvent(m_grid, &forwarded);
        return true;
    }
    if (!startsSearch(keyEvent))
        return false;
    m_grid->startSearchWith(keyEvent->text().front());
    return true;
}

} // namespace tekvora::masterdata
