#include "support/AppFolder.h"

#include <QCoreApplication>

namespace AppFolder {

namespace {
QString s_override;
}

QString path()
{
    return s_override.isEmpty() ? QCoreApplication::applicationDirPath() : s_override;
}

void setPath(const QString &folder)
{
    s_override = folder;
}

} // namespace AppFolder
