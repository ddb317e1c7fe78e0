#pragma once

#include <QDialog>

class QButtonGroup;

namespace tekvora::masterdata {

/// The choice of one of a few options, shown as radio buttons.
class TF_SelRB : public QDialog
{
    Q_OBJECT

public:
    /// Shows the items of `itemList` ("first|second|") under `title` and returns the index of the
    /// chosen one, or -1 when aborted or nothing was chosen.
    static int choose(int left, int top, int preselected, const QString &title, const QString &itemList,
                      QWidget *parent = nullptr);

    TF_SelRB(int preselected, const QString &title, const QString &itemList, QWidget *parent = nullptr);

    /// The index of the ticked item, or -1.
    int checkedIndex() const;

private:
    QButtonGroup *m_group = nullptr;
};

} // namespace tekvora::masterdata
