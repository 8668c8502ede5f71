#include "support/DisplayScale.h"
#include "gui/QtTranslation.h"
#include "gui/QtUi.h"
#include "gui/Startup.h"
#include "gui/MainWindow.h"

#include <QApplication>
#include <QScreen>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QtTranslation::installJapanese();
    QtUi ui;
    Ui::install(&ui);
    DisplayScale::setDpiSource([] {
        const QScreen *screen = QGuiApplication::primaryScreen();
        return screen ? DisplayScale::Dpi{screen->logicalDotsPerInchX(), screen->logicalDotsPerInchY()}
                      : DisplayScale::Dpi{};
    });

    const auto window = Startup::showMainWindow();
    if (!window)
        return 1;
    ui.setMainWindow(window.get());
    return app.exec();
}
