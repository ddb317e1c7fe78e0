#pragma once

#include "app/ui/FormStorage.h"

#include <QDialog>

class QCheckBox;
class QLineEdit;
class QTabWidget;

namespace tekvora::app {
class ClientDirs;
class UserPrompt;
} // namespace tekvora::app

namespace tekvora::masterdata {

class MasterEditor;

/// The staff editor ("Mitarbeiter"): a grid over the employees (only the active ones while "nur Aktive" is
/// ticked) with their data on the page "Grunddaten" below.
class TF_Personal : public QDialog
{
    Q_OBJECT

public:
    TF_Personal(const app::ClientDirs &dirs, app::UserPrompt &prompt, QWidget *parent = nullptr);

    MasterEditor *editor() const { return m_editor; }

    void done(int result) override;

protected:
    bool event(QEvent *event) override;

private:
    void buildWindow(const app::ClientDirs &dirs);
    QWidget *buildPage();
    QLineEdit *addField(const QString &objectName, const QString &field);
    void applyActiveFilter();
    void pickBirthday();

    app::FormStorage m_storage;
    MasterEditor *m_editor;
    QCheckBox *m_onlyActive = nullptr;
    QTabWidget *m_pages = nullptr;
    QLineEdit *m_birthday = nullptr;
    QList<QLineEdit *> m_pageFields;
};

} // namespace tekvora::masterdata
