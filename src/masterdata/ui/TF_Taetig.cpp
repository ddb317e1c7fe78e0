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
    : MasterDataDialog(dirs, QStringLiteral("Taetigkeit"), app::PlacementKind::WithoutState, activityTable(),
                       activityColumns(), prompt, parent)
{
    setObjectName(QStringLiteral("TF_Taetig"));
    setWindowTitle(QStringLiteral("Tätigkeiten"));
    buildWindow(dirs);
    resize(700, 560);
    placeWindow();

    db::SortGridView *grid = editor()->grid();
    grid->setSortIndexes(editor()->record().cursor().indexes(), db::SortGridView::SortRule::FieldPrefix);
    editor()->setMarkColumn(MarkField);
    editor()->onDoubleClick(NumberField, [this] { editor()->proposeNumber(); });
    editor()->onDoubleClick(MarkField, [this] { editor()->invertMark(MarkField, true); });
    connect(editor(), &MasterEditor::currentChanged, this, &TF_Taetig::showLongText);
    if (editor()->open()) {
        editor()->sortBy(NumberField);
        editor()->goToRow(0);
    }
}

void TF_Taetig::buildWindow(const app::ClientDirs &dirs)
{
    const EditorTopBar top =
        makeEditorTopBar(*editor(), dirs.manualPage(QLatin1String(app::ManualPage::Activities)), this);
    db::SortGridView *grid = editor()->grid();
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
    const QModelIndex index = editor()->grid()->indexAt(position);
    if (index.isValid())
        editor()->grid()->setCurrentIndex(index);
    const bool onMark = editor()->grid()->currentIndex().column() == 3;
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
    menu.exec(editor()->grid()->viewport()->mapToGlobal(position));
}

void TF_Taetig::copyCurrentActivity()
{
    if (!editor()->commitEdit() || !editor()->record().hasRecord())
        return;
    const int number = copyActivity(editor()->record().key().toInt(), prompt(), editor()->record().database());
    if (number == 0)
        return;
    editor()->refreshRows();
    editor()->goToKey(db::activityKeyByNumber(number, editor()->record().database()));
}

void TF_Taetig::copyShortTexts()
{
    if (!editor()->commitEdit() || !fillEmptyLongTexts(prompt(), editor()->record().database()))
        return;
    editor()->refreshRows();
    editor()->goToRow(editor()->model()->rowCount() - 1);
}

void TF_Taetig::markAll(bool selected)
{
    if (!editor()->commitEdit())
        return;
    markAllActivities(selected, editor()->record().database());
    editor()->refreshRows();
}

void TF_Taetig::showLongText()
{
    m_longText->setPlainText(editor()->record().value(QStringLiteral("T_TextTour")).toString());
}

} // namespace tekvora::masterdata
