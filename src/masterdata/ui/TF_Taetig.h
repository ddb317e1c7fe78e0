#pragma once

#include "masterdata/ui/MasterDataDialog.h"

class QTextEdit;

namespace tekvora::masterdata {

/// The activity editor ("Tätigkeiten"): the whole record is edited in the grid; the long text of the
/// current activity is shown below. Duplicating an activity, prefilling long texts and the selection marks
/// for the label sheet are offered here.
class TF_Taetig : public MasterDataDialog
{
    Q_OBJECT

public:
    TF_Taetig(const app::ClientDirs &dirs, app::UserPrompt &prompt, QWidget *parent = nullptr);

private:
    void buildWindow(const app::ClientDirs &dirs);
    void showGridMenu(const QPoint &position);
    void copyCurrentActivity();
    void copyShortTexts();
    void markAll(bool selected);
    void showLongText();

    QTextEdit *m_longText = nullptr;
};

} // namespace tekvora::masterdata
