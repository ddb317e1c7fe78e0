#pragma once

#include <QMainWindow>

#include <functional>
#include <optional>

namespace tekvora::app {
struct AppState;
class UserPrompt;
} // namespace tekvora::app

namespace tekvora::stats {

/// The main window: the hub every other window opens from. Created at the screen origin with
/// 1024 × 800, it carries out pending settings markers and keeps its placement in section
/// "Tekvora" of "TV9001.ini".
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

protected:
    void changeEvent(QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    app::AppState &m_state;
    ClientNameReader m_readClientName;
};

} // namespace tekvora::stats
