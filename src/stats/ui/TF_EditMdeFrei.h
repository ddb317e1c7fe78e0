#pragma once

#include "stats/StatsPeriod.h"
#include "app/ui/RecordNavigator.h"

#include <QDialog>

#include <functional>
#include <optional>

class QCheckBox;
class QLineEdit;
class QTableView;

namespace tekvora::app {
class UserPrompt;
}

namespace tekvora::stats {

class EditTableModel;

/// The choices a double-click on a visit's site or a person record's staff or activity cell
/// offers: the chosen number, nothing when cancelled. `current` is the cell's number.
struct EditChoices
{
    std::function<std::optional<int>(QWidget *parent, int current)> chooseActiveSite;
    std::function<std::optional<int>(QWidget *parent, int current)> chooseTourStaff;
    std::function<std::optional<int>(QWidget *parent, int current)> chooseActivity;
};

/// "Mde-Freie Erfassungen bearbeiten": hand corrections of the period's visits (upper grid) and
/// of the person records of the current visit's date and site (lower grid). Changes are saved
/// through the record rules of MdeEditor, so end times and visit totals stay in step.
class TF_EditMdeFrei : public QDialog
{
    Q_OBJECT

public:
    TF_EditMdeFrei(QString connectionName, app::UserPrompt &prompt, qint64 visitId, const StatsPeriod &period,
                   QWidget *mainWindow);
    ~TF_EditMdeFrei() override;

    StatsPeriod period() const { return m_period; }
    EditTableModel *visits() const { return m_visits; }
    EditTableModel *persons() const { return m_persons; }
    QTableView *visitGrid() const { return m_visitGrid; }
    QTableView *personGrid() const { return m_personGrid; }

    /// Saves pending changes of both grids; false (with the message shown) when a save failed.
    bool postAll();

    void setChoices(EditChoices choices) { m_choices = std::move(choices); }

protected:
    void done(int result) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void apply();
    void reloadVisits(qint64 visitId);
    void reloadPersons();
    qint64 currentVisitId() const;
    qint64 currentPersonId() const;
    void visitRowChanged(int row, int previous);
    void personRowChanged(int row, int previous);
    void visitAction(app::RecordNavigator::Button which);
    void personAction(app::RecordNavigator::Button which);
    bool postVisit();
    bool postPerson();
    void deleteVisit();
    void deletePerson();
    void insertVisit();
    void insertPerson();
    void deleteZeroEntries();
    void deleteLongVisits();
    void hourFormatClicked(bool on);
    void visitDoubleClick(const QModelIndex &index);
    void personDoubleClick(const QModelIndex &index);
    bool readPeriod();

    QString m_connection;
    app::UserPrompt &m_prompt;
    StatsPeriod m_period;
    EditTableModel *m_visits;
    EditTableModel *m_persons;
    QTableView *m_visitGrid;
    QTableView *m_personGrid;
    QLineEdit *m_from;
    QLineEdit *m_to;
    QCheckBox *m_hourFormat;
    QLineEdit *m_activityText;
    EditChoices m_choices;
    bool m_reloading = false;
};

} // namespace tekvora::stats
