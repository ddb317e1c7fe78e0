#pragma once

#include "masterdata/ui/MasterDataDialog.h"

class QCheckBox;
class QLineEdit;
class QTabWidget;

namespace tekvora::masterdata {

/// The staff editor ("Mitarbeiter"): a grid over the employees (only the active ones while "nur Aktive" is
/// ticked) with their data on the page "Grunddaten" below.
class TF_Personal : public MasterDataDialog
{
    Q_OBJECT

public:
    TF_Personal(const app::ClientDirs &dirs, app::UserPrompt &prompt, QWidget *parent = nullptr);

protected:
    bool event(QEvent *event) override;
    void saveSettings() override;

private:
    void buildWindow(const app::ClientDirs &dirs);
    QWidget *buildPage();
    QLineEdit *addField(const QString &objectName, const QString &field);
    void applyActiveFilter();
    void pickBirthday();

    QCheckBox *m_onlyActive = nullptr;
    QTabWidget *m_pages = nullptr;
    QLineEdit *m_birthday = nullptr;
    QList<QLineEdit *> m_pageFields;
};

} // namespace tekvora::masterdata
