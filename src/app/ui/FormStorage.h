#pragma once

#include <QString>
#include <QVariant>

class QWidget;

namespace tekvora::app {

/// Whether a window keeps its window state (maximised, ...) besides position and size.
enum class PlacementKind { WithState, WithoutState };

/// Keeps window placements and a few extra values per window in one section of an ini file
/// ("TV9001.ini"), so a window comes back where the user left it.
class FormStorage
{
public:
    FormStorage(QString settingsFile, QString section);

    /// Applies a stored placement; without one (or with nonsense) the window stays as it is.
    void restorePlacement(QWidget &window, PlacementKind kind = PlacementKind::WithState) const;
    void savePlacement(const QWidget &window, PlacementKind kind = PlacementKind::WithState) const;

    /// Extras such as "PageControl1.ActivePage".
    QVariant value(const QString &key, const QVariant &fallback = {}) const;
    void setValue(const QString &key, const QVariant &value) const;

private:
    QString m_settingsFile;
    QString m_section;
};

} // namespace tekvora::app
