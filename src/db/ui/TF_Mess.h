#pragma once

#include <QDialog>

class QLabel;
class QListWidget;
class QPushButton;

namespace tekvora::db {

/// Stay-on-top list that long maintenance work writes its progress into. All operations are
/// silent unless the database maintenance is running (db::maintenanceActive()).
class TF_Mess : public QDialog
{
public:
    /// Opens the window when none is open: places it, sets the caption, clears the list, adds the
    /// first line and empties the status label.
    static void openList(const QString &caption, const QString &firstLine, int left, int top);
    static void setListWidth(int width);
    static void setListHeight(int height);
    /// The new line becomes the selected, visible last line; pending events are processed.
    static void appendLine(const QString &line);
    static void setStatus(const QString &text);
    static void disableAbort();
    /// Clears the list, restores the designed size and frees the window.
    static void closeList();

    /// The open window, or nullptr.
    static TF_Mess *instance();

private:
    TF_Mess();

    QListWidget *m_list;
    QLabel *m_status;
    QPushButton *m_abort;
    QSize m_designedSize;
};

} // namespace tekvora::db
