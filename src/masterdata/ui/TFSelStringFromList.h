#pragma once

#include <QDialog>

class QComboBox;

namespace tekvora::masterdata {

/// The choice of one string of a list from a drop-down list.
class TFSelStringFromList : public QDialog
{
    Q_OBJECT

public:
    /// Returns the chosen string, or an empty string when cancelled. `left` and `top` apply each
    /// only when not 0; the first string is preselected.
    static QString choose(int left, int top, const QString &caption, const QString &prompt,
                          const QStringList &strings, QWidget *parent = nullptr);

    TFSelStringFromList(const QString &caption, const QString &prompt, const QStringList &strings,
                        QWidget *parent = nullptr);

    QString currentString() const;

private:
    QComboBox *m_list = nullptr;
};

} // namespace tekvora::masterdata
