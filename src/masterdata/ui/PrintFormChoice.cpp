#include "masterdata/ui/PrintFormChoice.h"

#include "app/UserPrompt.h"
#include "masterdata/PrintFormChoiceRules.h"
#include "masterdata/PrintFormField.h"
#include "masterdata/PrintFormGroups.h"
#include "masterdata/ui/DialogPlacement.h"
#include "masterdata/ui/TF_DbSelect.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace tekvora::masterdata {

namespace {

QPoint choiceTopLeft(QWidget *anchor)
{
    if (anchor)
        return printFormChoiceTopLeft(QRect(anchor->mapToGlobal(QPoint(0, 0)), anchor->size()), {});
    if (QWidget *main = mainWindow())
        return printFormChoiceTopLeft(std::nullopt, main->frameGeometry());
    const QScreen *screen = QGuiApplication::primaryScreen();
    return printFormChoiceTopLeft(std::nullopt, screen ? screen->availableGeometry() : QRect());
}

} // namespace

int choosePrintForm(QWidget *anchor, PrintFormField *field, int baseNumber, bool post, app::UserPrompt &prompt)
{
    std::optional<int> fieldForm;
    if (field)
        fieldForm = field->formNumber();

    DbSelectRequest request;
    QString error;
    if (!updatePrintFormSelectGroups(QSqlDatabase::database(request.connectionName, false), &error)) {
        prompt.error(QStringLiteral("Die Druckformulare können nicht gelesen werden.\n") + error);
        return fieldForm.value_or(0);
    }
    request.table = QStringLiteral("QrFrmDef");
    request.keyField = QStringLiteral("QF_ID");
    request.columns = {
        {QStringLiteral("QF_ID"), QStringLiteral("ID"), 60},
        {QStringLiteral("Q_FileName"), QStringLiteral("Dateiname"), 120},
        {QStringLiteral("Q_Comment"), QStringLiteral("Beschreibung"), 300},
    };
    request.gridHeight = 140;
    request.filter = {QStringLiteral("Q_SelectGroup = ?"), {printFormGroup(baseNumber)}};
    request.caption = QStringLiteral("Druckformular-Auswahl");
    request.topLeft = choiceTopLeft(anchor);

    QVariant key = fieldForm.value_or(0);
    QString sortField;
    std::optional<int> chosen;
    if (TF_DbSelect::choose(request, key, sortField, prompt, anchor ? anchor->window() : mainWindow()))
        chosen = key.toInt();

    const PrintFormOutcome outcome = resolvePrintFormChoice(chosen, fieldForm);
    if (outcome.storeInField)
        field->setFormNumber(outcome.result, post);
    return outcome.result;
}

} // namespace tekvora::masterdata
