#include "masterdata/ui/MasterEditor.h"

#include "app/UserPrompt.h"
#include "db/ui/SortGridView.h"
#include "db/ui/SqlGridModel.h"
#include "app/ui/RecordNavigator.h"

#include <QAbstractButton>
#include <QGuiApplication>
#include <QIntValidator>
#include <QKeyEvent>
#include <QLineEdit>
#include <QScopedValueRollback>
#include <QShortcut>

namespace tekvora::masterdata {

namespace {

QSqlDatabase connection(const QString &name)
{
    return QSqlDatabase::database(name, false);
}

QString quotedField(const QString &field)
{
    return QLatin1Char('"') + QString(field).replace(QLatin1Char('"'), QLatin1String("\"\"")) + QLatin1Char('"');
}

} // namespace

MasterEditor::MasterEditor(MasterTable table, db::GridColumns columns, app::UserPrompt &prompt, QWidget *window,
                           const QString &connectionName)
    : QObject(window), m_record(table, prompt, connectionName), m_window(window)
{
    m_model =
        new db::SqlGridModel(connection(connectionName), table.table, table.keyField, std::move(columns), {}, this);
    m_model->setEditHandler(
        [this](int row, const QString &field, const QVariant &value) { return editRow(row, field, value); });
    m_grid = new db::SortGridView(window);
    m_grid->setObjectName(QStringLiteral("Grid") + table.table);
    m_grid->setGridModel(m_model);
    m_grid->setEditTriggers(QAbstractItemView::EditKeyPressed | QAbstractItemView::AnyKeyPressed);
    m_grid->setSortIndexes(m_record.cursor().indexes(), db::SortGridView::SortRule::FieldBegins);
    m_grid->installEventFilter(this);
    connect(m_grid->selectionModel(), &QItemSelectionModel::currentRowChanged, this, &MasterEditor::rowChanged);
    connect(m_grid, &QAbstractItemView::doubleClicked, this, [this](const QModelIndex &index) {
        const QString field = index.isValid() ? m_model->columns()[index.column()].field : QString();
        if (const auto action = m_doubleClicks.constFind(field); action != m_doubleClicks.cend())
            (*action)();
        else if (index.isValid() && (m_model->flags(index) & Qt::ItemIsEditable))
            m_grid->edit(index);
    });
    // A detail editor inside a window leaves F10 and Alt+Backspace to the window's own editor: the same
    // shortcut twice in one window would fire neither.
    if (window->isWindow()) {
        auto *post = new QShortcut(QKeySequence(Qt::Key_F10), window);
        connect(post, &QShortcut::activated, this, [this] { commitEdit(); });
        auto *cancel = new QShortcut(QKeySequence(Qt::ALT | Qt::Key_Backspace), window);
        connect(cancel, &QShortcut::activated, this, &MasterEditor::cancelEdit);
    }
}

MasterEditor::~MasterEditor() = default;

bool MasterEditor::open(const db::SqlFilter &filter)
{
    if (!m_record.open() || !m_model->setFilter(filter)) {
        const QString reason = m_model->lastError().isEmpty() ? m_record.cursor().lastError() : m_model->lastError();
        m_record.prompt().error(
            QStringLiteral("Die Tabelle \"%1\" kann nicht geöffnet werden.\n%2").arg(m_record.table().table, reason));
        return false;
    }
    goToRow(0);
    syncRecord();
    return true;
}

bool MasterEditor::setFilter(const db::SqlFilter &filter)
{
    if (!commitEdit())
        return false;
    const QVariant key = m_record.key();
    {
        QScopedValueRollback guard(m_syncing, true);
        m_model->setFilter(filter);
        m_grid->goToKey(key);
    }
    syncRecord();
    return true;
}

void MasterEditor::sortBy(const QString &field)
{
    if (m_model->sortField().compare(field, Qt::CaseInsensitive) == 0)
        return;
    // A new order moves the rows: the edit is stored first so that it stays with its row.
    if (!commitEdit())
        return;
    db::lastSort().lastField = field;
    QScopedValueRollback guard(m_syncing, true);
    m_grid->sortGridByField(field);
    db::lastSort().lastColumn = m_model->sortColumn();
}

void MasterEditor::attachNavigator(app::RecordNavigator *navigator)
{
    m_navigator = navigator;
    connect(navigator, &app::RecordNavigator::clicked, this, [this](app::RecordNavigator::Button which) {
        const int row = currentRow();
        switch (which) {
        case app::RecordNavigator::First:
            goToRow(0);
            break;
        case app::RecordNavigator::Prior:
            goToRow(row - 1);
            break;
        case app::RecordNavigator::Next:
            goToRow(row + 1);
            break;
        case app::RecordNavigator::Last:
            goToRow(m_model->rowCount() - 1);
            break;
        case app::RecordNavigator::Insert:
            insertRecord();
            break;
        case app::RecordNavigator::Delete:
            deleteRecord();
            break;
        case app::RecordNavigator::Post:
            commitEdit();
            break;
        case app::RecordNavigator::Cancel:
            cancelEdit();
            break;
        case app::RecordNavigator::Refresh:
            refreshRows();
            break;
        default:
            break;
        }
        m_grid->setFocus();
    });
}

void MasterEditor::attachSearchBox(QLineEdit *searchBox)
{
    m_searchBox = searchBox;
    m_grid->attachSearchBox(searchBox, m_record.prompt());
    searchBox->installEventFilter(this);
}

void MasterEditor::attachPostCancel(QAbstractButton *post, QAbstractButton *cancel)
{
    if (post)
        connect(post, &QAbstractButton::clicked, this, [this] { commitEdit(); });
    if (cancel)
        connect(cancel, &QAbstractButton::clicked, this, &MasterEditor::cancelEdit);
}

void MasterEditor::bindField(QLineEdit *edit, const QString &field)
{
    m_fields.insert(edit, field);
    if (const db::FieldDef *f = m_record.field(field)) {
        if (f->type == db::FieldType::String && f->size > 0)
            edit->setMaxLength(f->size);
        if (f->type == db::FieldType::Int32 || f->type == db::FieldType::Int16)
            edit->setValidator(new QIntValidator(f->type == db::FieldType::Int16 ? -32768 : INT_MIN,
                                                 f->type == db::FieldType::Int16 ? 32767 : INT_MAX, edit));
    }
    edit->installEventFilter(this);
    connect(edit, &QLineEdit::textEdited, this, [this, edit, field](const QString &text) {
        if (recordAtRow(currentRow()) && m_record.setText(field, text))
            showPending();
        else
            edit->setText(m_record.displayText(field));
    });
    edit->setText(m_record.displayText(field));
}

void MasterEditor::onDoubleClick(const QString &field, std::function<void()> action)
{
    m_doubleClicks.insert(field, std::move(action));
}

void MasterEditor::setMarkColumn(const QString &field)
{
    m_markField = field;
}

void MasterEditor::addFocusJump(QWidget *from, int key, QWidget *to)
{
    m_focusJumps[from].insert(key, to);
    from->installEventFilter(this);
}

void MasterEditor::linkToMaster(MasterEditor &master, const QString &masterField, const QString &detailField)
{
    m_master = &master;
    m_masterField = masterField;
    m_detailField = detailField;
    connect(&master, &MasterEditor::currentChanged, this, &MasterEditor::followMaster);
}

void MasterEditor::followMaster()
{
    if (!m_master)
        return;
    if (m_record.isEditing() && !commitEdit())
        m_record.cancel();
    const QVariant masterValue = m_master->record().value(m_masterField);
    {
        QScopedValueRollback guard(m_syncing, true);
        m_model->setFilter(masterValue.isNull()
                               ? db::SqlFilter{QStringLiteral("0")}
                               : db::SqlFilter{quotedField(m_detailField) + QStringLiteral(" = ?"), {masterValue}});
        m_grid->goToRow(0);
    }
    syncRecord();
}

int MasterEditor::currentRow() const
{
    return m_grid->currentIndex().isValid() ? m_grid->currentIndex().row() : -1;
}

QString MasterEditor::currentField() const
{
    const QModelIndex index = m_grid->currentIndex();
    return index.isValid() ? m_model->columns()[index.column()].field : QString();
}

void MasterEditor::goToRow(int row)
{
    if (row < 0 || row >= m_model->rowCount())
        return;
    m_grid->goToRow(row);
}

void MasterEditor::goToKey(const QVariant &key)
{
    {
        QScopedValueRollback guard(m_syncing, true);
        m_grid->goToKey(key);
    }
    syncRecord();
}

void MasterEditor::rowChanged(const QModelIndex &current, const QModelIndex &previous)
{
    if (m_syncing)
        return;
    if (m_record.isEditing() && current.row() != previous.row()) {
        const QVariant target = m_model->keyAt(current.row());
        if (!commitEdit()) {
            QScopedValueRollback guard(m_syncing, true);
            m_grid->setCurrentIndex(previous);
            return;
        }
        if (target.isValid())
            goToKey(target);
        return;
    }
    syncRecord();
}

void MasterEditor::syncRecord()
{
    if (!m_record.isEditing())
        m_record.moveTo(m_model->keyAt(currentRow()));
    updateFields();
    emit currentChanged();
}

void MasterEditor::updateFields()
{
    for (auto it = m_fields.cbegin(); it != m_fields.cend(); ++it)
        if (it.key()->text() != m_record.displayText(it.value()))
            it.key()->setText(m_record.displayText(it.value()));
}

bool MasterEditor::recordAtRow(int row)
{
    if (row < 0)
        return false;
    if (m_record.isEditing())
        return true;
    const QVariant key = m_model->keyAt(row);
    return m_record.key() == key || m_record.moveTo(key);
}

bool MasterEditor::editRow(int row, const QString &field, const QVariant &value)
{
    if (!recordAtRow(row) || !m_record.setText(field, value.toString()))
        return false;
    showPending();
    return true;
}

void MasterEditor::showPending()
{
    const int row = m_model->pendingRow() >= 0 ? m_model->pendingRow() : currentRow();
    m_model->showPending(row, [this](const QString &field) { return m_record.value(field); });
    updateFields();
}

bool MasterEditor::commitEdit()
{
    if (!m_record.isEditing())
        return true;
    if (!m_record.post())
        return false;
    const QVariant key = m_record.key();
    {
        QScopedValueRollback guard(m_syncing, true);
        m_model->refresh();
        m_grid->goToKey(key);
    }
    syncRecord();
    return true;
}

void MasterEditor::cancelEdit()
{
    if (!m_record.isEditing())
        return;
    const bool inserting = m_record.isInserting();
    m_record.cancel();
    {
        QScopedValueRollback guard(m_syncing, true);
        m_model->dropPending();
        if (inserting)
            m_grid->goToKey(m_keyBeforeInsert);
    }
    syncRecord();
}

void MasterEditor::insertRecord()
{
    if (!commitEdit())
        return;
    // A detail row needs its master: none without one, and the master stored first.
    if (m_master && (!m_master->record().hasRecord() || !m_master->commitEdit()))
        return;
    m_keyBeforeInsert = m_record.key();
    QVariantMap values = m_newValues ? m_newValues() : QVariantMap();
    if (m_master)
        values.insert(m_detailField, m_master->record().value(m_masterField));
    if (!m_record.insert(values))
        return;
    const int row = m_model->rowCount();
    QScopedValueRollback guard(m_syncing, true);
    m_model->showPending(row, [this](const QString &field) { return m_record.value(field); });
    m_grid->goToRow(row);
    updateFields();
}

void MasterEditor::deleteRecord()
{
    if (m_record.isInserting()) {
        cancelEdit();
        return;
    }
    if (!recordAtRow(currentRow()) || !m_record.remove())
        return;
    const int row = currentRow();
    {
        QScopedValueRollback guard(m_syncing, true);
        m_model->refresh();
        m_grid->goToRow(std::min(row, m_model->rowCount() - 1));
    }
    syncRecord();
}

void MasterEditor::refreshRows()
{
    if (!commitEdit())
        return;
    const QVariant key = m_record.key();
    {
        QScopedValueRollback guard(m_syncing, true);
        m_model->refresh();
        m_grid->goToKey(key);
    }
    syncRecord();
}

void MasterEditor::proposeNumber()
{
    if (recordAtRow(currentRow()) && m_record.proposeNumber())
        showPending();
}

void MasterEditor::invertMark(const QString &field, bool postNow)
{
    if (!recordAtRow(currentRow()) || !m_record.invertMark(field))
        return;
    showPending();
    if (postNow)
        commitEdit();
}

void MasterEditor::setMark(const QString &field, bool on)
{
    const db::FieldDef *f = m_record.field(field);
    setFieldValue(field, f && f->type == db::FieldType::Bool ? QVariant(on) : QVariant(on ? 1 : 0));
}

bool MasterEditor::setFieldValue(const QString &field, const QVariant &value)
{
    if (!recordAtRow(currentRow()) || !m_record.setValue(field, value))
        return false;
    showPending();
    return true;
}

bool MasterEditor::markKey(int key)
{
    switch (key) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        invertMark(m_markField, false);
        break;
    case Qt::Key_J:
        setMark(m_markField, true);
        break;
    case Qt::Key_N:
        setMark(m_markField, false);
        break;
    default:
        return false;
    }
    // Moving on stores the change; on the last row it is stored in place.
    if (currentRow() + 1 < m_model->rowCount())
        goToRow(currentRow() + 1);
    else
        commitEdit();
    return true;
}

void MasterEditor::searchBoxFocus(bool in)
{
    if (in) {
        const QModelIndex index = m_grid->currentIndex();
        if (index.isValid()) {
            QScopedValueRollback guard(m_syncing, true);
            m_grid->sortGridByColumn(index.column());
        }
    }
    QPalette palette = m_searchBox->palette();
    palette.setColor(QPalette::Base, QGuiApplication::palette().color(in ? QPalette::ToolTipBase : QPalette::Base));
    m_searchBox->setPalette(palette);
    if (m_navigator)
        m_navigator->setEnabled(!in);
}

bool MasterEditor::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::ShortcutOverride) {
        // Edit fields take Alt+Backspace as their own undo where the key scheme says so; here it cancels the record.
        const auto *key = static_cast<QKeyEvent *>(event);
        if (key->key() == Qt::Key_Backspace && key->modifiers() == Qt::AltModifier &&
            m_fields.contains(qobject_cast<QLineEdit *>(watched)))
            return true;
    }
    if (event->type() == QEvent::KeyPress) {
        const auto *key = static_cast<QKeyEvent *>(event);
        if (key->modifiers() == Qt::ControlModifier) {
            const auto jumps = m_focusJumps.constFind(watched);
            if (jumps != m_focusJumps.cend()) {
                if (QWidget *to = jumps->value(key->key())) {
                    to->setFocus();
                    return true;
                }
            }
        }
        const bool plainKey = !(key->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier));
        if (watched == m_grid && plainKey && !m_markField.isEmpty() &&
            currentField().compare(m_markField, Qt::CaseInsensitive) == 0)
            return markKey(key->key());
    } else if (watched == m_searchBox && (event->type() == QEvent::FocusIn || event->type() == QEvent::FocusOut)) {
        searchBoxFocus(event->type() == QEvent::FocusIn);
    } else if (event->type() == QEvent::MouseButtonDblClick) {
        if (auto *edit = qobject_cast<QLineEdit *>(watched); edit && m_fields.contains(edit)) {
            if (const auto action = m_doubleClicks.constFind(m_fields.value(edit)); action != m_doubleClicks.cend()) {
                (*action)();
                return true;
            }
        }
    }
    return QObject::eventFilter(watched, event);
}

} // namespace tekvora::masterdata
