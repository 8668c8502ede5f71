#include "app/frmMain.h"

#include "app/DisplayScale.h"
#include "support/AppInfo.h"

frmMain::frmMain(QWidget *parent)
    : QMainWindow(parent)
{
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(AppInfo::mainWindowCaption());
    resize(int(DisplayScale::scaleX(800)), int(DisplayScale::scaleY(600)));
}
