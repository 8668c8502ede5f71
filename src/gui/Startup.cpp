#include "gui/Startup.h"

#include "acquisition/BigSettings.h"
#include "app/StartupCheck.h"
#include "lottery/LotteryRules.h"
#include "gui/SplashWindow.h"
#include "gui/MainWindow.h"
#include "support/AppInfo.h"
#include "support/Ui.h"

#include <QLabel>

namespace basMain {

std::unique_ptr<frmMain> Main()
{
    if (const QString failure = StartupCheck::firstFailure(); !failure.isEmpty()) {
        Ui::instance().showMessage(Ui::Icon::Error, AppInfo::title(), failure);
        return nullptr;
    }

    LoadBigSettings();
    clsToto::shared();

    frmLoad splash;
    splash.lblCopyright()->setText(AppInfo::legalNotice());
    splash.show();
    splash.repaint();
    Ui::instance().processEvents();

    auto window = std::make_unique<frmMain>();
    window->show();
    splash.close();
    return window;
}

} // namespace basMain
