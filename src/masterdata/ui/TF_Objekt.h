#pragma once

#include "masterdata/ui/MasterDataDialog.h"

class QCheckBox;
class QMenu;
class QTabWidget;
class QTextEdit;

namespace tekvora::masterdata
{

/// The site editor ("Objekte"): a grid over the sites, filtered by "Aktive"/"Inaktive", with the site's data
/// on the page "Grunddaten" and the activities planned at the site on the page "Tätigkeiten".
class TF_Objekt : public MasterDataDialog
{
    Q_OBJECT

public:
    TF_Objekt(const app::ClientDirs &dirs, app::UserPrompt &prompt, QWidget *parent = nullptr);

    MasterEditor *activities() const { return m_activities; }
    /// 0 all, 1 active, 2 inactive, 3 all (both boxes ticked); the site lists print with it.
    int filterMode() const;

    void done(int result) override;

protected:
    void saveSettings() override;

private:
    void buildWindow(const app::ClientDirs &dirs);
    QWidget *buildSitePage();
    QWidget *buildActivityPage();
    void buildMenus();
    void applyFilter();
    void showSiteMenu(const QPoint &position);
    void markAllSites(bool selected);
    void showLongText();
    void chooseActivity();
    void chooseInterval();
    void pickStartDate();
    void copyFromSite();

    MasterEditor *m_sites;
    MasterEditor *m_activities = nullptr;
    QCheckBox *m_active = nullptr;
    QCheckBox *m_inactive = nullptr;
    QTabWidget *m_pages = nullptr;
    QTextEdit *m_longText = nullptr;
    QMenu *m_siteMenu = nullptr;
    QMenu *m_activityMenu = nullptr;
    QList<QWidget *> m_pageFields;
    QString m_activitySortField;
};

} // namespace tekvora::masterdata
