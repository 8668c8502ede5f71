#include "MainWindowFixture.h"

#include "app/AppState.h"
#include "common/OfficialSite.h"
#include "gui/MainWindow.h"

namespace {

QString roundFolder(const QString &kind)
{
    if (kind == QStringLiteral("schedule"))
        return QStringLiteral("BIG_Schedule");
    return kind == QStringLiteral("vote") ? QStringLiteral("BIG_Vote") : QStringLiteral("BIG_Result");
}

} // namespace

MainWindowFixture::MainWindowFixture(const QStringList &kinds, qint32 savedRound)
{
    for (const QString &kind : kinds) {
        const QString name = QStringLiteral("big_%1_1478.xml").arg(kind);
        app.writeFile(QStringLiteral("SysData/%1/%2").arg(roundFolder(kind), name), OfficialSite::expectedFile(name));
    }
    saveAppState(AppState{savedRound, true, false});
}

std::unique_ptr<MainWindow> MainWindowFixture::openWindow()
{
    auto window = std::make_unique<MainWindow>(WindowPorts{&dialogs, nullptr});
    window->show();
    return window;
}
