#include "app/ui/FormStorage.h"

#include <QGuiApplication>
#include <QScreen>
#include <QSettings>
#include <QWidget>

namespace tekvora::app {

namespace {

const QString kLeft = QStringLiteral("Left");
const QString kTop = QStringLiteral("Top");
const QString kWidth = QStringLiteral("Width");
const QString kHeight = QStringLiteral("Height");
const QString kState = QStringLiteral("WindowState");
constexpr int kMinSize = 50;
constexpr int kMaxExtent = 20000;

enum StoredState { Normal = 0, Minimized = 1, Maximized = 2 };

std::optional<int> storedInt(const QSettings &settings, const QString &key, int minimum, int maximum)
{
    bool ok = false;
    const int value = settings.value(key).toInt(&ok);
    if (!ok || value < minimum || value > maximum)
        return std::nullopt;
    return value;
}

// A window whose stored place lies off every screen now comes back on the first one.
QRect visible(QRect rect)
{
    const QList<QScreen *> screens = QGuiApplication::screens();
    for (const QScreen *screen : screens) {
        if (screen->availableGeometry().intersects(rect))
            return rect;
    }
    rect.moveTopLeft(QPoint(0, 0));
    return rect;
}

} // namespace

FormStorage::FormStorage(QString settingsFile, QString section)
    : m_settingsFile(std::move(settingsFile)), m_section(std::move(section))
{
}

void FormStorage::restorePlacement(QWidget &window, PlacementKind kind) const
{
    QSettings settings(m_settingsFile, QSettings::IniFormat);
    settings.beginGroup(m_section);
    const auto left = storedInt(settings, kLeft, -kMaxExtent, kMaxExtent);
    const auto top = storedInt(settings, kTop, -kMaxExtent, kMaxExtent);
    const auto width = storedInt(settings, kWidth, kMinSize, kMaxExtent);
    const auto height = storedInt(settings, kHeight, kMinSize, kMaxExtent);
    if (left && top && width && height)
        window.setGeometry(visible(QRect(*left, *top, *width, *height)));
    if (kind == PlacementKind::WithState && storedInt(settings, kState, Normal, Maximized) == Maximized)
        window.setWindowState(window.windowState() | Qt::WindowMaximized);
}

void FormStorage::savePlacement(const QWidget &window, PlacementKind kind) const
{
    QSettings settings(m_settingsFile, QSettings::IniFormat);
    settings.beginGroup(m_section);
    const QRect rect = window.isMaximized() || window.isMinimized() ? window.normalGeometry() : window.geometry();
    settings.setValue(kLeft, rect.left());
    settings.setValue(kTop, rect.top());
    settings.setValue(kWidth, rect.width());
    settings.setValue(kHeight, rect.height());
    if (kind == PlacementKind::WithState)
        settings.setValue(kState, window.isMaximized() ? Maximized : window.isMinimized() ? Minimized : Normal);
}

QVariant FormStorage::value(const QString &key, const QVariant &fallback) const
{
    QSettings settings(m_settingsFile, QSettings::IniFormat);
    settings.beginGroup(m_section);
    return settings.value(key, fallback);
}

void FormStorage::setValue(const QString &key, const QVariant &value) const
{
    QSettings settings(m_settingsFile, QSettings::IniFormat);
    settings.beginGroup(m_section);
    settings.setValue(key, value);
}

} // namespace tekvora::app
