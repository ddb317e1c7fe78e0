#include "masterdata/ui/TF_Taetig.h"

#include "app/ClientDirs.h"
#include "db/Numbers.h"
#include "db/ui/SortGridView.h"
#include "db/ui/SqlGridModel.h"
#include "masterdata/ActivityActions.h"
#include "masterdata/ui/EditorWindow.h"
#include "masterdata/ui/MasterEditor.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QMenu>
#include <QPushButton>
#include <QSplitter>
#include <QTextEdit>
#include <QVBoxLayout>

namespace tekvora::masterdata {

namespace {

const QString MarkField = QStringLiteral("T_Druckabschnitt");
const QString NumberField = QStringLiteral("T_Nr");

db::GridColumns activityColumns()
{
    return {
        {NumberField, QStringLiteral("Nummer"), 70, db::GridDisplay::Plain, true},
        {QStringLiteral("T_Gruppe"), QStringLiteral("Gruppe"), 140, db::GridDisplay::Plain, true},
        {QStringLiteral("T_Match"), QStringLiteral("Beschreibungstext"), 300, db::GridDisplay::Plain, true},
        {MarkField, QStringLiteral("Wahl"), 50, db::GridDisplay::YesNo},
    };
}

} // namespace

TF_Taetig::TF_Taetig(const app::ClientDirs &dirs, app::UserPrompt &prompt, QWidget *parent)
    : QDialog(parent), m_prompt(prompt), m_storage(dirs.settingsFile(), QStringLiteral("Taetigkeit")),
      m_editor(new MasterEditor(activityTable(), activityColumns(), prompt, this))
{
    setObjectName(QStringLiteral("TF_Taetig"));
    setWindowTitle(QStringLiteral("Tätigkeiten"));
    buildWindow(dirs);
    resize(700, 560);
    placeEditorWindow(*this, m_storage, app::PlacementKind::WithoutState);

    db::SortGridView *grid = m_editor->grid();
    grid->setSortIndexes(m_editor->record().cursor().indexes(), db::SortGridView::SortRule::FieldPrefix);
    m_editor->setMarkColumn(MarkField);
    m_editor->onDoubleClick(NumberField, [this] { m_editor->proposeNumber(); });
    m_editor->onDoubleClick(MarkField, [this] { m_editor->invertMark(MarkField, true); });
    connect(m_editor, &MasterEditor::currentChanged, this, &TF_Taetig::showLongText);
    if (m_editor->open()) {
        m_editor->sortBy(NumberField);
        m_editor->goToRow(0);
    }
}

void TF_Taetig::buildWindow(const app::ClientDirs &dirs)
{
    const EditorTopBar top = makeEditorTopBar(*m_editor, dirs.manualPage(QLatin1String(app::ManualPage::Activities)), this);
    db::SortGridView *grid = m_editor->grid();
    grid->setObjectName(QStringLiteral("GridTaetig"));
    grid->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(grid, &QWidget::customContextMenuRequested, this, &TF_Taetig::showGridMenu);

    auto *longTextBox = new QGroupBox(QStringLiteral("Langtext"), this);
    longTextBox->setObjectName(QStringLiteral("GroupLangtext"));
    m_longText = new QTextEdit(longTextBox);
    m_longText->setObjectName(QStringLiteral("DBRichEdit1"));
    m_longText->setReadOnly(true);
    auto *longTextLayout = new QVBoxLayout(longTextBox);
    longTextLayout->addWidget(m_longText);

    auto *splitter = new QSplitter(Qt::Vertical, this);
    splitter->setObjectName(QStringLiteral("Splitter1"));
    splitter->addWidget(grid);
    splitter->addWidget(longTextBox);
    splitter->setStretchFactor(0, 3);
    splitter->setStretchFactor(1, 1);

    auto *textCopy = new QPushButton(QStringLiteral("Textcopy"), this);
    textCopy->setObjectName(QStringLiteral("btnTextcopy"));
    connect(textCopy, &QPushButton::clicked, this, &TF_Taetig::copyShortTexts);
    auto *right = new QVBoxLayout;
    right->addWidget(textCopy);
    right->addStretch();

    auto *middle = new QHBoxLayout;
    middle->addWidget(splitter, 1);
    middle->addLayout(right);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(top.layout);
    layout->addLayout(middle, 1);
}

void TF_Taetig::showGridMenu(const QPoint &position)
{
    const QModelIndex index = m_editor->grid()->indexAt(position);
    if (index.isValid())
        m_editor->grid()->setCurrentIndex(index);
    const bool onMark = m_editor->grid()->currentIndex().column() == 3;
    QMenu menu(this);
    menu.setObjectName(QStringLiteral("PopupMenu1"));
    connect(menu.addAction(QStringLiteral("Leistungssatz kopieren")), &QAction::triggered, this,
            &TF_Taetig::copyCurrentActivity);
    QAction *allOn = menu.addAction(QStringLiteral("Alle ein"));
    QAction *allOff = menu.addAction(QStringLiteral("Alle aus"));
    allOn->setEnabled(onMark);
    allOff->setEnabled(onMark);
    connect(allOn, &QAction::triggered, this, [this] { markAll(true); });
    connect(allOff, &QAction::triggered, this, [this] { markAll(false); });
    menu.addAction(QStringLiteral("Abbrechen"));
    menu.exec(m_editor->grid()->viewport()->mapToGlobal(position));
}

void TF_Taetig::copyCurrentActivity()
{
    if (!m_editor->commitEdit() || !m_editor->record().hasRecord())
        return;
    const int number = copyActivity(m_editor->record().key().toInt(), m_prompt, m_editor->record().database());
    if (number == 0)
        return;
    m_editor->refreshRows();
    m_editor->goToKey(db::activityKeyByNumber(number, m_editor->record().database()));
}

void TF_Taetig::copyShortTexts()
{
    if (!m_editor->commitEdit() || !fillEmptyLongTexts(m_prompt, m_editor->record().database()))
        return;
    m_editor->refreshRows();
    m_editor->goToRow(m_editor->model()->rowCount() - 1);
}

void TF_Taetig::markAll(bool selected)
{
    if (!m_editor->commitEdit())
        return;
    markAllActivities(selected, m_editor->record().database());
    m_editor->refreshRows();
}

void TF_Taetig::showLongText()
{
    m_longText->setPlainText(m_editor->record().value(QStringLiteral("T_TextTour")).toString());
}

void TF_Taetig::done(int result)
{
    if (!m_editor->commitEdit())
        return;
    m_storage.savePlacement(*this, app::PlacementKind::WithoutState);
    QDialog::done(result);
}

} // namespace tekvora::masterdata
