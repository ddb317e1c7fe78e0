#include "stats/StatsViews.h"

namespace tekvora::stats {

namespace {

using K = ColumnKind;

ViewDefinition sitesView()
{
    return {QStringLiteral("MdeObj"),
            QStringLiteral("SC_StartTime"),
            {{QStringLiteral("Datum"), QStringLiteral("SC_TourDate"), K::Date},
             {QStringLiteral("ObjNr"), QStringLiteral("SC_ObjNr"), K::Integer},
             {QStringLiteral("Objekt-Bezeichnung"), QStringLiteral("SC_ObjBez"), K::Text},
             {QStringLiteral("Beginn"), QStringLiteral("SC_StartTime"), K::DateTime},
             {QStringLiteral("Ende"), QStringLiteral("SC_EndTime"), K::DateTime},
             {QStringLiteral("Dauer"), QStringLiteral("SC_Dauer"), K::Duration},
             {QStringLiteral("Dauer MA"), QStringLiteral("SC_DauerPers"), K::Duration},
             {QStringLiteral("Dauer Tät."), QStringLiteral("SC_DauerJob"), K::Duration}},
            {QStringLiteral("SC_ID")},
            {QStringLiteral("SC_Dauer"), QStringLiteral("SC_DauerPers"), QStringLiteral("SC_DauerJob")},
            {},
            QStringLiteral("SC_ObjNr, SC_StartTime")};
}

ViewDefinition visitPersons()
{
    return {QStringLiteral("MdePJ"),
            {},
            {{QStringLiteral("PersNr."), QStringLiteral("SC_PersNr"), K::Integer},
             {QStringLiteral("Mitarbeiter"), QStringLiteral("SC_Persname"), K::Text},
             {QStringLiteral("Beginn"), QStringLiteral("SC_StartPers"), K::DateTime},
             {QStringLiteral("Ende"), QStringLiteral("SC_EndPers"), K::DateTime},
             {QStringLiteral("Dauer"), QStringLiteral("SC_DauerPers"), K::Duration},
             {QStringLiteral("T.-Nr."), QStringLiteral("SC_TaetigNr"), K::Integer},
             {QStringLiteral("Beginn"), QStringLiteral("SC_StartJob"), K::DateTime},
             {QStringLiteral("Ende"), QStringLiteral("SC_EndJob"), K::DateTime},
             {QStringLiteral("Dauer"), QStringLiteral("SC_DauerJob"), K::Duration}},
            {QStringLiteral("SC_ID"), QStringLiteral("SC_TaetigText")},
            {},
            {},
            QStringLiteral("SC_PersNr, SC_StartPers")};
}

ViewDefinition personsView()
{
    return {QStringLiteral("MdePJ"),
            QStringLiteral("SC_StartPers"),
            {{QStringLiteral("Datum"), QStringLiteral("SC_TourDate"), K::Date},
             {QStringLiteral("PersNr"), QStringLiteral("SC_PersNr"), K::Integer},
             {QStringLiteral("Name"), QStringLiteral("SC_Persname"), K::Text},
             {QStringLiteral("Beginn"), QStringLiteral("SC_StartPers"), K::DateTime},
             {QStringLiteral("Ende"), QStringLiteral("SC_EndPers"), K::DateTime},
             {QStringLiteral("Dauer"), QStringLiteral("SC_DauerPers"), K::Duration},
             {QStringLiteral("T.-Nr."), QStringLiteral("SC_TaetigNr"), K::Integer},
             {QStringLiteral("Beginn"), QStringLiteral("SC_StartJob"), K::DateTime},
             {QStringLiteral("Ende"), QStringLiteral("SC_EndJob"), K::DateTime},
             {QStringLiteral("Dauer"), QStringLiteral("SC_DauerJob"), K::Duration},
             {QStringLiteral("ObjNr"), QStringLiteral("SC_ObjNr"), K::Integer}},
            {QStringLiteral("SC_ID"), QStringLiteral("SC_TaetigText")},
            {QStringLiteral("SC_DauerPers"), QStringLiteral("SC_DauerJob")},
            {},
            QStringLiteral("SC_PersNr, SC_StartPers")};
}

ViewDefinition activitiesView()
{
    return {QStringLiteral("MdePJ"),
            QStringLiteral("SC_StartJob"),
            {{QStringLiteral("T-Nr"), QStringLiteral("SC_TaetigNr"), K::Integer},
             {QStringLiteral("Tätigkeit"), QStringLiteral("SC_TaetigText"), K::Text},
             {QStringLiteral("Beginn"), QStringLiteral("SC_StartJob"), K::DateTime},
             {QStringLiteral("Ende"), QStringLiteral("SC_EndJob"), K::DateTime},
             {QStringLiteral("Dauer"), QStringLiteral("SC_DauerJob"), K::Duration},
             {QStringLiteral("ObjNr"), QStringLiteral("SC_ObjNr"), K::Integer},
             {QStringLiteral("PersNr"), QStringLiteral("SC_PersNr"), K::Integer}},
            {QStringLiteral("SC_ID"), QStringLiteral("SC_Persname"), QStringLiteral("SC_ObjBez")},
            {QStringLiteral("SC_DauerJob")},
            {},
            QStringLiteral("SC_TaetigNr, SC_StartJob")};
}

ViewDefinition accumulatedView()
{
    return {QStringLiteral("MdeObj"),
            QStringLiteral("SC_StartTime"),
            {{QStringLiteral("ObjNr"), QStringLiteral("SC_ObjNr"), K::Integer},
             {QStringLiteral("Objekt-Bezeichnung"), QStringLiteral("SC_ObjBez"), K::Text},
             {QStringLiteral("Objekt-Dauer"), QStringLiteral("SUM OF SC_Dauer"), K::Duration},
             {QStringLiteral("MA-Dauer"), QStringLiteral("SUM OF SC_DauerPers"), K::Duration},
             {QStringLiteral("Tätig.-Dauer"), QStringLiteral("SUM OF SC_DauerJob"), K::Duration}},
            {},
            {QStringLiteral("SUM OF SC_Dauer"), QStringLiteral("SUM OF SC_DauerPers"),
             QStringLiteral("SUM OF SC_DauerJob")},
            QStringLiteral("SC_ObjNr, SC_ObjBez"),
            QStringLiteral("SC_ObjNr")};
}

ViewDefinition editVisits()
{
    return {QStringLiteral("MdeObj"),
            QStringLiteral("SC_StartTime"),
            {{QStringLiteral("Datum"), QStringLiteral("SC_TourDate"), K::Date},
             {QStringLiteral("Obj-Nr"), QStringLiteral("SC_ObjNr"), K::Integer},
             {QStringLiteral("Objekt-Bezeichnung"), QStringLiteral("SC_ObjBez"), K::Text},
             {QStringLiteral("Beginn"), QStringLiteral("SC_StartTime"), K::DateTime},
             {QStringLiteral("Ende"), QStringLiteral("SC_EndTime"), K::DateTime},
             {QStringLiteral("Dauer"), QStringLiteral("SC_Dauer"), K::Duration},
             {QStringLiteral("Dauer MA"), QStringLiteral("SC_DauerPers"), K::Duration},
             {QStringLiteral("Dauer Tät."), QStringLiteral("SC_DauerJob"), K::Duration}},
            {QStringLiteral("SC_ID"), QStringLiteral("SC_TourID")},
            {},
            {},
            QStringLiteral("SC_ID")};
}

ViewDefinition editPersons()
{
    return {QStringLiteral("MdePJ"),
            {},
            {{QStringLiteral("P.-Nr."), QStringLiteral("SC_PersNr"), K::Integer},
             {QStringLiteral("Name"), QStringLiteral("SC_Persname"), K::Text},
             {QStringLiteral("Beginn MA"), QStringLiteral("SC_StartPers"), K::DateTime},
             {QStringLiteral("Ende MA"), QStringLiteral("SC_EndPers"), K::DateTime},
             {QStringLiteral("Dauer MA"), QStringLiteral("SC_DauerPers"), K::Duration},
             {QStringLiteral("Tät.-Nr."), QStringLiteral("SC_TaetigNr"), K::Integer},
             {QStringLiteral("Beginn Tätigkeit"), QStringLiteral("SC_StartJob"), K::DateTime},
             {QStringLiteral("Ende Tätigkeit"), QStringLiteral("SC_EndJob"), K::DateTime},
             {QStringLiteral("Dauer Tätigkeit"), QStringLiteral("SC_DauerJob"), K::Duration}},
            {QStringLiteral("SC_ID"), QStringLiteral("SC_TaetigText"), QStringLiteral("SC_Ref")},
            {},
            {},
            QStringLiteral("SC_TourDate, SC_TourID, SC_ObjNr, SC_ID")};
}

} // namespace

const ViewDefinition &editVisitsDefinition()
{
    static const ViewDefinition visits = editVisits();
    return visits;
}

const ViewDefinition &editPersonsDefinition()
{
    static const ViewDefinition persons = editPersons();
    return persons;
}

int ViewDefinition::columnOf(const QString &field) const
{
    for (int i = 0; i < columns.size(); ++i) {
        if (columns.at(i).field.compare(field, Qt::CaseInsensitive) == 0)
            return i;
    }
    return -1;
}

const ViewDefinition &viewDefinition(StatsView view)
{
    static const ViewDefinition sites = sitesView();
    static const ViewDefinition persons = personsView();
    static const ViewDefinition activities = activitiesView();
    static const ViewDefinition accumulated = accumulatedView();
    switch (view) {
    case StatsView::Sites:
        return sites;
    case StatsView::Persons:
        return persons;
    case StatsView::Activities:
        return activities;
    case StatsView::Accumulated:
        break;
    }
    return accumulated;
}

const ViewDefinition &visitPersonsDefinition()
{
    static const ViewDefinition persons = visitPersons();
    return persons;
}

bool statsViewFromNumber(int number, StatsView *view)
{
    if (number < 1 || number > 4)
        return false;
    *view = static_cast<StatsView>(number);
    return true;
}

} // namespace tekvora::stats
