#pragma once

#include <QMainWindow>
#include <QStyle>

#include <functional>
#include <optional>

class QAction;
class QMenu;
class QToolBar;

namespace tekvora::app {
struct AppState;
class UserPrompt;
} // namespace tekvora::app

namespace tekvora::stats {

class StatsPanel;

/// The main window: the statistics of the chosen period and the hub every other window opens
/// from (menu and toolbar, see TF_TekvoraEntries.cpp). Created at the screen origin with
/// 1024 × 800, it carries out pending settings markers and keeps its placement and active tab
/// in section "Tekvora" of "TV9001.ini".
class TF_Tekvora : public QMainWindow
{
    Q_OBJECT

public:
    /// Reads the company's internal name; nullopt while there is no database to read it from.
    using ClientNameReader = std::function<std::optional<QString>()>;

    TF_Tekvora(app::AppState &state, app::UserPrompt &prompt, QWidget *parent = nullptr);

    static QString captionFor(const QString &programVersion, const QString &clientName);

    void setClientNameReader(ClientNameReader reader);
    /// Reads the client name again and shows it in the caption.
    void refreshCaption();

    StatsPanel *statsPanel() const { return m_panel; }

protected:
    void changeEvent(QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    // Every activation, also when a dialog closes.
    void activated();

    // Menu and toolbar (TF_TekvoraEntries.cpp).
    void buildMenus();
    void buildToolBar();
    QAction *addItem(QMenu *menu, const QString &text, const std::function<void()> &open);
    QAction *addButton(QToolBar *bar, const QString &hint, QStyle::StandardPixmap icon,
                       const std::function<void()> &open);
    void openScanner();
    void openPosting();
    void openFreeEditing();
    void emptyTables();

    app::AppState &m_state;
    app::UserPrompt &m_prompt;
    ClientNameReader m_readClientName;
    StatsPanel *m_panel;
    QAction *m_editMenuItem = nullptr;
    QAction *m_editButton = nullptr;
    QAction *m_emptyTablesButton = nullptr;
};

} // namespace tekvora::stats
