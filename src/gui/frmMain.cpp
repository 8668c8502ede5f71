#include "gui/frmMain.h"

#include "support/DisplayScale.h"
#include "support/AppInfo.h"

frmMain::frmMain(QWidget *parent)
    : QMainWindow(parent)
{
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(AppInfo::mainWindowCaption());
    resize(int(DisplayScale::scaleX(800)), int(DisplayScale::scaleY(600)));
}
