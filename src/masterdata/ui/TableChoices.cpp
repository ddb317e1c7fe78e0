#include "masterdata/ui/TableChoices.h"

#include "masterdata/ui/TF_DbSelect.h"

namespace tekvora::masterdata {

namespace {

int chooseNumber(DbSelectRequest request, const ChoicePlacement &placement, int preselected, int whenCancelled,
                 QString &sortField, app::UserPrompt &prompt, QWidget *parent)
{
    request.gridHeight = placement.gridHeight;
    request.topLeft = QPoint(placement.left, placement.top);
    QVariant key = preselected;
    return TF_DbSelect::choose(request, key, sortField, prompt, parent) ? key.toInt() : whenCancelled;
}

DbSelectRequest siteRequest()
{
    DbSelectRequest request;
    request.table = QStringLiteral("Objekte");
    request.keyField = QStringLiteral("O_Nr");
    request.columns = siteChoiceColumns();
    request.caption = QStringLiteral("Objekt auswählen");
    return request;
}

} // namespace

db::GridColumns siteChoiceColumns()
{
    return {
        {QStringLiteral("O_Nr"), QStringLiteral("ObjNr."), 60},
        {QStringLiteral("O_Match"), QStringLiteral("Suchbegriff"), 120},
        {QStringLiteral("O_Name1"), QStringLiteral("Name 1"), 170},
        {QStringLiteral("O_Strasse"), QStringLiteral("Strasse"), 150},
        {QStringLiteral("O_Plz"), QStringLiteral("Plz"), 50},
        {QStringLiteral("O_Ort"), QStringLiteral("Ort"), 120},
    };
}

int chooseSite(int preselected, const ChoicePlacement &placement, QString &sortField, app::UserPrompt &prompt,
               QWidget *parent)
{
    return chooseNumber(siteRequest(), placement, preselected, 0, sortField, prompt, parent);
}

int chooseSiteFrom(const QString &connectionName, const QString &table, const db::SqlFilter &filter,
                   int preselected, const ChoicePlacement &placement, QString &sortField, app::UserPrompt &prompt,
                   QWidget *parent)
{
    DbSelectRequest request = siteRequest();
    request.connectionName = connectionName;
    request.table = table;
    request.filter = filter;
    return chooseNumber(request, placement, preselected, preselected, sortField, prompt, parent);
}

int chooseEmployee(const db::SqlFilter &filter, int preselected, const ChoicePlacement &placement,
                   QString &sortField, app::UserPrompt &prompt, QWidget *parent)
{
    DbSelectRequest request;
    request.table = QStringLiteral("Personal");
    request.keyField = QStringLiteral("P_Nr");
    request.columns = {
        {QStringLiteral("P_Nr"), QStringLiteral("P.-Nr"), 60},
        {QStringLiteral("P_Match"), QStringLiteral("Suchbegriff"), 120},
        {QStringLiteral("P_Name1"), QStringLiteral("Name"), 150},
        {QStringLiteral("P_Vorname"), QStringLiteral("Vorname"), 130},
    };
    request.caption = QStringLiteral("Mitarbeiter auswählen");
    request.filter = filter;
    return chooseNumber(request, placement, preselected, preselected, sortField, prompt, parent);
}

int chooseActivity(int preselected, const ChoicePlacement &placement, QString &sortField, app::UserPrompt &prompt,
                   QWidget *parent)
{
    DbSelectRequest request;
    request.table = QStringLiteral("Taetig");
    request.keyField = QStringLiteral("T_Nr");
    request.columns = {
        {QStringLiteral("T_Nr"), QStringLiteral("Nr."), 60},
        {QStringLiteral("T_Gruppe"), QStringLiteral("Gruppe"), 130},
        {QStringLiteral("T_Match"), QStringLiteral("Suchbegriff"), 250},
    };
    request.caption = QStringLiteral("Taetigkeit auswählen");
    return chooseNumber(request, placement, preselected, preselected, sortField, prompt, parent);
}

int chooseExecutionInterval(int preselected, const ChoicePlacement &placement, QString &sortField,
                            app::UserPrompt &prompt, QWidget *parent)
{
    DbSelectRequest request;
    request.table = QStringLiteral("AusfIV");
    request.keyField = QStringLiteral("AI_ID");
    request.columns = {
        {QStringLiteral("A_Sort"), QStringLiteral("Nr."), 50},
        {QStringLiteral("AI_Text"), QStringLiteral("Ausführungsintervall"), 220},
    };
    request.caption = QStringLiteral("Ausführungs-Intervall (Turnus) auswählen");
    return chooseNumber(request, placement, preselected, preselected, sortField, prompt, parent);
}

} // namespace tekvora::masterdata
