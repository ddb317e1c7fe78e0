// The tables of a client's data directory: fields in table order, keys and indexes.
#include "db/Schema.h"

namespace tekvora::db {

namespace {

using enum FieldType;

class TableBuilder
{
public:
    explicit TableBuilder(const QString &name) { m_table.name = name; }

    TableBuilder &f(const QString &name, FieldType type, int size = 0)
    {
        m_table.fields.append({name, type, size, false});
        return *this;
    }
    TableBuilder &required(const QString &name, FieldType type)
    {
        m_table.fields.append({name, type, 0, true});
        return *this;
    }
    TableBuilder &str(const QString &name, int size) { return f(name, String, size); }
    /// A numbered run of fields, e.g. prefix "F_NextNr", 2..8 gives F_NextNr02 ... F_NextNr08.
    TableBuilder &run(const QString &prefix, int from, int to, FieldType type, int size = 0, int digits = 1)
    {
        for (int i = from; i <= to; ++i)
            f(prefix + QStringLiteral("%1").arg(i, digits, 10, QLatin1Char('0')), type, size);
        return *this;
    }
    TableBuilder &primary(const QStringList &fields)
    {
        m_table.indexes.append({QString(), fields, IndexOption::Primary});
        for (auto &field : m_table.fields)
            if (fields.contains(field.name))
                field.required = true;
        return *this;
    }
    TableBuilder &index(const QString &name, const QStringList &fields, IndexOptions options = {})
    {
        m_table.indexes.append({name, fields, options});
        return *this;
    }
    TableBuilder &ci(const QString &name, const QStringList &fields)
    {
        return index(name, fields, IndexOption::CaseInsensitive);
    }
    TableDef build() const { return m_table; }

private:
    TableDef m_table;
};

TableDef firmen()
{
    TableBuilder t(QStringLiteral("Firmen"));
    t.f("F_ID", Int32).f("F_Mandant", Int32).str("F_NameIntern", 60).str("F_Name1", 60).str("F_Name2", 60)
        .str("F_Name3", 60).str("F_Strasse", 60).str("F_Plz", 10).str("F_Ort", 60).str("F_Telefon1", 22)
        .str("F_Telefon2", 22).str("F_Handy", 22).str("F_Fax", 22).str("F_Email", 80).str("F_Internet", 80)
        .str("F_AbsenderZeileRg", 80).str("F_AbsenderZeileKA", 80).str("F_AbsenderZeileMahn", 80)
        .f("F_PlanWochen", Int16).f("F_PlanungBis", Date).f("F_Logo", Graphic).f("F_AutoSichernOP", Bool)
        .f("F_AutoSichernKontroll", Bool).f("F_AutoSichernAblage", Bool).f("F_AutoSichernRechErst", Bool)
        .f("F_AutoSichernRechDruck", Bool).f("F_AutosichernTglErstell", Bool);
    for (const char *name : {"Kunden", "Artikel", "Taetig", "Personal", "Objekt", "Tour", "Kostart", "Projekt",
                             "Notdienst", "Adress"})
        t.f(QStringLiteral("F_MinNr") + QLatin1String(name), Int32);
    t.f("F_REListenKopf", FormattedMemo, 240).f("F_REBriefkopf", FormattedMemo, 240)
        .f("F_REBrieffussRg", FormattedMemo, 240).f("F_REBrieffussKA", FormattedMemo, 240).str("F_BankName", 40)
        .str("F_Blz", 8).str("F_KontoNr", 11).f("F_Zahlart", Int16).f("F_NextNrRg", Int32)
        .run("F_NextNr", 2, 8, Int32, 0, 2).str("F_FormatNrRg", 16).run("F_FormatNr", 2, 8, String, 16, 2)
        .f("F_Aufschlag1", Float).f("F_PrintFormNo", Int16).f("F_KFID", Int32);
    for (const char *name : {"Jahreslohn", "VWL", "Sozialleistungen", "Lohnkosten", "Sozialabgaben", "ZVK",
                             "Freileistungen", "LNebenkosten", "Miete", "GWG", "Abschreibung", "Versicherung",
                             "Gebuehren", "KfzKosten", "Reisekosten", "Fremdkosten", "Steuerberatung", "Bewirtung",
                             "Verbrauchsmat", "PortoTelefon", "Steuern", "Zinsen", "Gehaelter", "Werbung",
                             "Reparaturen", "SonstigeKosten", "Gemeinkosten", "GesamtKosten"})
        t.f(QStringLiteral("F_") + QLatin1String(name), Money);
    t.f("F_StundenproJahr", Float).f("F_ErstePosNo", Int32).f("F_Printwait", Int16)
        .f("F_FixtermUpdateMonth", Int16).f("F_BitMapTransparent", Bool).f("F_BitMapTransparentColor", Int32)
        .f("F_KostenausZeiterfass", Bool).f("F_RgMitKopievermerk", Bool).str("F_AdminPsw", 10)
        .f("F_Basiszinssatz", Float).f("F_Mahnart", Int16).f("F_MahnStufeMax", Int16).f("F_MahnCopies", Int16)
        .run("F_MahnBetrag", 1, 3, Money).f("F_MahnProzent", Float).f("F_MahnFristTage", Int16)
        .run("F_MahnWartetage", 1, 3, Int16).run("F_Mahnform", 1, 3, Int32);
    t.primary({"F_ID"})
        .ci("F_INameInt", {"F_NameIntern"})
        .ci("F_IName1", {"F_Name1"})
        .ci("F_IMAndant", {"F_Mandant"});
    return t.build();
}

TableDef objekte()
{
    TableBuilder t(QStringLiteral("Objekte"));
    t.f("O_ID", Int32).f("O_Nr", Int32).str("O_Match", 40).str("O_Name1", 40).str("O_Name2", 40)
        .str("O_Name3", 40).str("O_Strasse", 40).str("O_Plz", 10).str("O_Ort", 30).str("O_Telefon", 22)
        .str("O_Handy", 22).str("O_Fax", 22).str("O_Email", 80).str("O_Website", 80).str("O_Sachbearbeiter", 40)
        .str("O_PlanInfo", 60).f("O_Vertragsbeginn", Date).f("O_Rechnungsstellung", Bool).f("O_FibuKonto", Int32)
        .str("O_Buchtext", 40).f("O_RgZahlbed", Int16).f("O_KopienRG", Int16).f("O_PrintFormNo", Int16)
        .str("O_Bankname", 40).str("O_BankBlz", 8).str("O_BankKonto", 11).f("O_BankZahlart", Int16)
        .str("O_BankTelefon", 22).str("O_BankAnprech", 40).f("O_Kunde", Int32).f("O_BerichtIntervall", Int16)
        .f("O_BerichtModus", Int16).f("O_UseKundenAdresseKb", Bool).f("O_BerichtUnerledigt", Int16)
        .f("O_PrintFormNoKB", Int16).f("O_KopienKB", Int16).str("O_RgName1", 40).str("O_RgName2", 40)
        .str("O_RgName3", 40).str("O_RgStrasse", 40).str("O_RgPlz", 10).str("O_RgOrt", 30).f("O_Mahnart", Int16)
        .f("O_MahnStufeMax", Int16).f("O_MahnCopies", Int16).run("O_MahnBetrag", 1, 3, Money)
        .f("O_MahnProzent", Float).f("O_MahnFristTage", Int16).run("O_MahnWarteTage", 1, 3, Int16)
        .f("O_MahnForm1", Int32).f("O_Mahnform2", Int32).f("O_Mahnform3", Int32);
    for (int i = 1; i <= 3; ++i)
        t.f(QStringLiteral("O_MahnTextV%1").arg(i), FormattedMemo, 240)
            .f(QStringLiteral("O_MahnTextN%1").arg(i), FormattedMemo, 240);
    t.run("O_MahnCnt", 1, 3, Int16).str("O_Termin", 40).str("O_Auswahl", 40).str("O_Selektion", 40)
        .str("O_Grund", 40).str("O_PlanQuadrat", 15).f("O_GrundstueckQm", Float).f("O_WohneinheitPrivat", Int16)
        .f("O_WohneinheitGewerb", Int16).f("O_Rabatten", Int16).f("O_Buesche", Int16).str("O_Heizungsart", 40)
        .f("O_AnzahlTanks", Int16).f("O_PlanMaskID", Int32).f("O_RgvZusatzPosID", Int32).f("O_Selected", Bool)
        .f("O_Aktiv", Bool).f("O_Bereich", Int32).f("O_Lastaccess", DateTime).str("O_Lastuser", 30)
        .f("O_AdressRef", Int32).f("O_ObjektLohn", Money).f("O_ObjektLohnWD", Money).f("O_Langbezeich", Memo, 40)
        .f("O_Beschreibung", Memo, 240).f("O_Notizen", FormattedMemo, 240).f("O_WdText", FormattedMemo, 240)
        .f("O_Kostgroup", Int16).run("O_Std", 1, 7, Float, 0, 2);
    t.primary({"O_ID"})
        .ci("O_IKunde", {"O_Kunde", "O_Nr"})
        .ci("O_IOrt", {"O_Ort"})
        .ci("O_IPlzOrt", {"O_Plz", "O_Ort"})
        .ci("O_IStrasse", {"O_Strasse"})
        .ci("O_IName1", {"O_Name1"})
        .ci("O_IMatch", {"O_Match"})
        .index("O_INr", {"O_Nr"}, IndexOption::Unique | IndexOption::CaseInsensitive);
    return t.build();
}

TableDef otaetNeu()
{
    TableBuilder t(QStringLiteral("OTaetNeu"));
    t.f("TS_ID", Int32).str("TS_Abschnitt", 20).f("TS_ObjID", Int32).f("TS_Objekt", Int32)
        .f("TS_Taetigkeit", Int32).f("TS_Modus", Int16).f("TS_StartDatum", Date).f("TS_AktuellBis", Date)
        .str("TS_Wtag", 7).f("TS_AstID", Int32).f("TS_Func", Int16).f("TS_TeamID", Int32).f("TS_TeamNr", Int16)
        .f("TS_Menge", Int16).f("TS_Dauer", Float).f("TS_EkPreis", Money).f("TS_VkPreis", Money)
        .f("TS_MwstKz", Int16).f("TS_Kostart", Int16).f("TS_Rechmode", Int16).f("TS_SubUntNr", Int32)
        .f("TS_ProvisID", Int16).str("TS_Param", 80).f("TS_OldTaetigNr", Int32).f("TS_OldTeamNr", Int32);
    t.primary({"TS_ID"})
        .ci("I_TsObjekt", {"TS_Objekt", "TS_Abschnitt", "TS_Taetigkeit"})
        .ci("I_TsTaetig", {"TS_Taetigkeit"})
        .ci("I_ObjID", {"TS_ObjID", "TS_Abschnitt", "TS_Taetigkeit"});
    return t.build();
}

TableDef personal()
{
    TableBuilder t(QStringLiteral("Personal"));
    t.f("P_ID", Int32).f("P_Nr", Int32).str("P_Match", 20).str("P_Name1", 30).str("P_Name2", 30)
        .str("P_Vorname", 30).str("P_Strasse", 30).str("P_Plz", 10).str("P_Ort", 30).str("P_Telefon", 22)
        .str("P_Handy", 22).str("P_Fax", 22).str("P_Email", 80).str("P_Anrede", 10).str("P_Land", 30)
        .f("P_Aktiv", Bool).str("P_Bankname", 40).str("P_BankBlz", 8).str("P_BankKontoNr", 11)
        .f("P_BankZahlart", Int16).str("P_EhefrauName", 30).f("P_EhefrauGebDat", Date).str("P_EhefrauGebOrt", 30)
        .f("P_Memo", Memo, 240).f("P_Geburtsdatum", Date).str("P_Job", 30).str("P_Pkw", 30)
        .str("P_Steuerklasse", 30).f("P_Kinder", Float).str("P_Religion", 30).str("P_Krankenkasse", 30)
        .f("P_Bruttolohn", Money).str("P_Arbeitszeit", 30).f("P_LohnZuwendung", Memo, 160)
        .f("P_Passfoto", Graphic).str("P_GebName", 30).str("P_GebOrt", 30).str("P_Familienstand", 30)
        .str("P_Nationalitaet", 30).str("P_KKmitgliedsNr", 30).str("P_SozialVersNr", 30).str("P_Anstellart", 20)
        .str("P_VWL", 30).f("P_Freistellung", Bool).f("P_Eintritt", Date).f("P_LNebenkosten", Money)
        .f("P_Gemeinkosten", Money).f("P_Einstandspreis", Money).f("P_Selbstkostenpreis", Money)
        .f("P_Gewinnaufschlag", Money).f("P_StundenProTag", Float).f("P_StundenProMonat", Float)
        .f("P_StundenWocheMax", Float).f("P_StundenMonatMax", Float).f("P_LohnVkPreis", Money)
        .f("P_StdVerrech1", Money).f("P_StdVerrech2", Money).f("P_ProvisionProzent", Float)
        .f("P_OptTourplan", Bool);
    t.primary({"P_ID"})
        .ci("I_PNameVorname", {"P_Name1", "P_Vorname"})
        .index("P_INr", {"P_Nr"})
        .ci("P_IMatch", {"P_Match"})
        .ci("P_IOrt", {"P_Ort"});
    return t.build();
}

TableDef taetig()
{
    TableBuilder t(QStringLiteral("Taetig"));
    t.f("T_ID", Int32).f("T_Nr", Int32).str("T_Match", 40).str("T_Gruppe", 20).f("T_AstID", Int32)
        .str("T_BasisEinheit", 10).f("T_BasisPreis", Money).f("T_Vkpreis", Money).f("T_BasisMinuten", Float)
        .f("T_MwstKz", Int16).f("T_KostArt", Int32).f("T_Func", Int16).f("T_Druckabschnitt", Int16)
        .f("T_TextTour", FormattedMemo, 240).f("T_TextKontroll", FormattedMemo, 240);
    t.primary({"T_ID"}).index("I_TNr", {"T_Nr"}).ci("T_IMatch", {"T_Match"}).ci("T_IGruppe", {"T_Gruppe"});
    return t.build();
}

TableDef ausfIV()
{
    TableBuilder t(QStringLiteral("AusfIV"));
    t.f("AI_ID", Int32).str("AI_Text", 30).f("AI_Wochen", Int32).f("A_Sort", Int32);
    t.primary({"AI_ID"}).index("AI_ISort", {"A_Sort"});
    return t.build();
}

TableDef banken()
{
    TableBuilder t(QStringLiteral("Banken"));
    t.str("BankName", 40).str("BankBLZ", 8);
    t.ci("B_IName", {"BankName"}).index("B_IBlz", {"BankBLZ"});
    return t.build();
}

TableDef qrFrmDef()
{
    TableBuilder t(QStringLiteral("QrFrmDef"));
    t.f("QF_ID", Int32).f("Q_FormType", Int32).str("Q_FileName", 20).str("Q_Comment", 60).f("Q_Protect", Bool)
        .f("Q_SelectGroup", Int32);
    t.primary({"QF_ID"}).index("Q_IFormType", {"Q_FormType"});
    return t.build();
}

TableDef ftpDef()
{
    TableBuilder t(QStringLiteral("FtpDef"));
    t.f("Ftp_ID", Int32).str("Ftp_Description", 80).str("Ftp_Hostname", 160).str("Ftp_Username", 160)
        .str("Ftp_Password", 80).str("Ftp_Userdir", 80).str("Ftp_CryptString", 80).f("Ftp_MaxCapacity", Int32)
        .f("Ftp_Sendmail", Bool).str("Ftp_SenderName", 80).str("Ftp_SenderMail", 80).f("Ftp_Authentic", Bool)
        .str("Ftp_Betreff", 80).str("Ftp_MailHost", 80).str("Ftp_MailUser", 160).str("Ftp_MailPassword", 80)
        .f("Ftp_Mailtext", Memo, 240);
    t.primary({"Ftp_ID"}).ci("I_Desc", {"Ftp_Description"});
    return t.build();
}

TableDef scandev()
{
    TableBuilder t(QStringLiteral("Scandev"));
    t.required("SV_ID", Int32).f("SV_Type", Int32).str("SV_Name", 30).required("SV_ScannerID", Int32)
        .f("SV_Pers", Int32).f("SV_ErhaltenAm", Date).f("SV_Zuletztgelesen", DateTime).str("SV_LetzterScan", 40)
        .str("SV_Kommentar", 40).f("SV_Bindung", Bool);
    t.primary({"SV_ID"}).index("SV_IScannerID", {"SV_ScannerID"});
    return t.build();
}

TableDef scanimp()
{
    TableBuilder t(QStringLiteral("Scanimp"));
    for (const char *name : {"SC_ID", "SC_Seq", "SC_EntryType", "SC_TourID", "SC_TourNr", "SC_ObjNr", "SC_ObjID",
                             "SC_PersNr", "SC_TaetigNr", "SC_TaetigID", "SC_JobID", "SC_TourType"})
        t.f(QLatin1String(name), Int32);
    t.f("SC_TourDate", DateTime).f("SC_StartTime", DateTime).f("SC_EndTime", DateTime).f("SC_Dauer", Float)
        .f("SC_CalcMode", Int32).f("SC_State", Int32).f("SC_ScannerID", Int32).f("SC_Ref", Int32);
    t.primary({"SC_ID"});
    return t.build();
}

TableDef mdeObj()
{
    TableBuilder t(QStringLiteral("MdeObj"));
    for (const char *name : {"SC_ID", "SC_Seq", "SC_EntryType", "SC_TourID", "SC_TourNr", "SC_ObjNr", "SC_ObjID"})
        t.f(QLatin1String(name), Int32);
    t.str("SC_ObjBez", 80).f("SC_TourDate", DateTime).f("SC_StartTime", DateTime).f("SC_EndTime", DateTime)
        .f("SC_Dauer", Float).f("SC_DauerPers", Float).f("SC_DauerJob", Float).f("SC_CalcMode", Int32)
        .f("SC_State", Int32).f("SC_ScannerID", Int32).f("SC_Ref", Int32);
    // Beyond the visit order by date: the period views filter on the start and sum per site.
    t.primary({"SC_ID"})
        .ci("I_DateTourID", {"SC_TourDate", "SC_TourID"})
        .index("I_OStart", {"SC_StartTime"})
        .index("I_OObjNr", {"SC_ObjNr", "SC_StartTime"});
    return t.build();
}

TableDef mdePJ()
{
    TableBuilder t(QStringLiteral("MdePJ"));
    for (const char *name : {"SC_ID", "SC_Seq", "SC_EntryType", "SC_TourID", "SC_TourNr", "SC_ObjNr", "SC_ObjID"})
        t.f(QLatin1String(name), Int32);
    t.str("SC_ObjBez", 80).f("SC_PersNr", Int32).str("SC_Persname", 40).f("SC_TaetigNr", Int32)
        .f("SC_TaetigID", Int32).f("SC_JobID", Int32).str("SC_TaetigText", 80).f("SC_TourDate", DateTime)
        .f("SC_StartPers", DateTime).f("SC_EndPers", DateTime).f("SC_DauerPers", Float).f("SC_StartJob", DateTime)
        .f("SC_EndJob", DateTime).f("SC_DauerJob", Float).f("SC_CalcMode", Int32).f("SC_State", Int32)
        .f("SC_ScannerID", Int32).f("SC_Ref", Int32);
    // The person and activity views filter on their start fields and read in number-and-start order;
    // the visit grid reads its persons by SC_Ref.
    t.primary({"SC_ID"})
        .ci("I_DateTourObj", {"SC_TourDate", "SC_TourID", "SC_ObjNr"})
        .index("I_PStartPers", {"SC_StartPers"})
        .index("I_PStartJob", {"SC_StartJob"})
        .index("I_PRef", {"SC_Ref"})
        .index("I_PPersNr", {"SC_PersNr", "SC_StartPers"})
        .index("I_PTaetigNr", {"SC_TaetigNr", "SC_StartJob"});
    return t.build();
}

TableDef mdeTour()
{
    TableBuilder t(QStringLiteral("MdeTour"));
    t.f("SC_ID", Int32).f("SC_TourNr", Int32).f("SC_TourDate", DateTime).f("SC_StartTime", DateTime)
        .f("SC_EndTime", DateTime).f("SC_Dauer", Float).f("SC_PersNr", Int32).f("SC_State", Int32);
    t.primary({"SC_ID"});
    return t.build();
}

/// The small lookup tables that only travel with a client's data.
QList<TableDef> carriedTables()
{
    QList<TableDef> tables;
    tables.append(TableBuilder(QStringLiteral("KOSTART"))
                      .f("KA_ID", Int32).f("KA_Nr", Int32).str("KA_Text", 40)
                      .primary({"KA_ID"}).build());
    tables.append(TableBuilder(QStringLiteral("MGEINH"))
                      .f("ME_ID", Int32).str("ME_Kurz", 10).str("ME_Text", 40)
                      .primary({"ME_ID"}).build());
    tables.append(TableBuilder(QStringLiteral("MWSTSATZ"))
                      .f("MW_ID", Int32).f("MW_Kz", Int16).f("MW_Satz", Float).str("MW_Text", 40)
                      .f("MW_GueltigAb", Date).primary({"MW_ID"}).build());
    tables.append(TableBuilder(QStringLiteral("ZAHLART"))
                      .f("ZA_ID", Int32).str("ZA_Text", 40)
                      .primary({"ZA_ID"}).build());
    tables.append(TableBuilder(QStringLiteral("ZAHLBED"))
                      .f("ZB_ID", Int32).str("ZB_Text", 80).f("ZB_Tage", Int16).f("ZB_SkontoTage", Int16)
                      .f("ZB_Skonto", Float).primary({"ZB_ID"}).build());
    tables.append(TableBuilder(QStringLiteral("ZEITART"))
                      .f("ZT_ID", Int32).str("ZT_Text", 40).f("ZT_Faktor", Float)
                      .primary({"ZT_ID"}).build());
    return tables;
}

} // namespace

const QList<TableDef> &schemaTables()
{
    static const QList<TableDef> tables = [] {
        QList<TableDef> all{firmen(), objekte(), otaetNeu(), personal(), taetig(), ausfIV(), banken(),
                            qrFrmDef(), ftpDef(), scandev(), scanimp(), mdeObj(), mdePJ(), mdeTour()};
        all.append(carriedTables());
        return all;
    }();
    return tables;
}

TableDef labelListTableDef(const QString &name)
{
    TableBuilder t(name);
    t.f("L_ID", Int32).f("L_Selected", Bool).run("L_Field", 1, 8, String, 80);
    t.primary({"L_ID"}).ci("SORT", {"L_Field1"});
    return t.build();
}

} // namespace tekvora::db
