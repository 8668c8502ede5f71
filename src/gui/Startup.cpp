#include "gui/Startup.h"

#include "acquisition/BigSettings.h"
#include "app/StartupCheck.h"
#include "lottery/LotteryRules.h"
#include "gui/SplashWindow.h"
#include "gui/MainWindow.h"
#include "support/AppInfo.h"
#include "support/Ui.h"

#include <QLabel>

namespace Startup {

std::unique_ptr<MainWindow> showMainWindow()
{
    if (const QString failure = StartupCheck::firstFailure(); !failure.isEmpty()) {
        Ui::instance().showMessage(Ui::Icon::Error, AppInfo::title(), failure);
        return nullptr;
    }

    loadBigSettings();
    LotteryRules::shared();

    SplashWindow splash;
    splash.copyrightLabel()->setText(AppInfo::legalNotice());
    splash.show();
    splash.repaint();
    Ui::instance().processEvents();

    auto window = std::make_unique<MainWindow>();
    window->show();
    splash.close();
    return window;
}

} // namespace Startup
