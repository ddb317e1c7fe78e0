#include "masterdata/ui/MasterDataDialog.h"

#include "app/ClientDirs.h"
#include "masterdata/ui/EditorWindow.h"
#include "masterdata/ui/MasterEditor.h"

namespace tekvora::masterdata {

MasterDataDialog::MasterDataDialog(const app::ClientDirs &dirs, const QString &section, app::PlacementKind kind,
                                   MasterTable table, db::GridColumns columns, app::UserPrompt &prompt, QWidget *parent)
    : QDialog(parent), m_storage(dirs.settingsFile(), section), m_kind(kind), m_prompt(prompt),
      m_editor(new MasterEditor(std::move(table), std::move(columns), prompt, this))
{
}

void MasterDataDialog::placeWindow()
{
    placeEditorWindow(*this, m_storage, m_kind);
}

void MasterDataDialog::done(int result)
{
    if (!m_editor->commitEdit())
        return;
    m_storage.savePlacement(*this, m_kind);
    saveSettings();
    QDialog::done(result);
}

} // namespace tekvora::masterdata
