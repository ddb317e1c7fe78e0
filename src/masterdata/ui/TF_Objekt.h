#pragma once

#include "app/ui/FormStorage.h"

#include <QDialog>

class QCheckBox;
class QMenu;
class QTabWidget;
class QTextEdit;

namespace tekvora::app {
class ClientDirs;
class UserPrompt;
} // namespace tekvora::app

namespace tekvora::masterdata {

class MasterEditor;

/// The site editor ("Objekte"): a grid over the sites, filtered by "Aktive"/"Inaktive", with the site's data
/// on the page "Grunddaten" and the activities planned at the site on the page "Tätigkeiten".
class TF_Objekt : public QDialog
{
    Q_OBJECT

public:
    TF_Objekt(const app::ClientDirs &dirs, app::UserPrompt &prompt, QWidget *parent = nullptr);

    MasterEditor *sites() const { return m_sites; }
    MasterEditor *activities() const { return m_activities; }
    /// 0 all, 1 active, 2 inactive, 3 all (both boxes ticked); the site lists print with it.
    int filterMode() const;

    void done(int result) override;

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

    app::UserPrompt &m_prompt;
    app::FormStorage m_storage;
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
