#include "gui/QtTranslation.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace QtTranslation {

QStringList folders()
{
    return {QCoreApplication::applicationDirPath() + QStringLiteral("/translations"),
            QLibraryInfo::path(QLibraryInfo::TranslationsPath)};
}

bool installJapanese(const QStringList &searched)
{
    auto *translator = new QTranslator(QCoreApplication::instance());
    for (const QString &folder : searched) {
        if (translator->load(QStringLiteral("qtbase_ja"), folder))
            return QCoreApplication::installTranslator(translator);
    }
    delete translator;
    return false;
}

} // namespace QtTranslation
