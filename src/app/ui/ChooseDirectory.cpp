#include "app/ui/ChooseDirectory.h"

#include "app/PathUtils.h"

#include <QDir>
#include <QFileDialog>

namespace tekvora::app {

bool chooseDirectory(QString &path, const QString &fallback, QWidget *parent)
{
    const QString start = QDir(path).exists() && !path.isEmpty() ? path : fallback;
    const QString chosen =
        QFileDialog::getExistingDirectory(parent, QStringLiteral("Verzeichnis auswählen"), start);
    if (chosen.isEmpty())
        return false;
    path = withSlash(chosen);
    return true;
}

} // namespace tekvora::app
