#include "gui/SplashWindow.h"

#include "gui/JapaneseFont.h"
#include "support/DisplayScale.h"
#include "support/AppInfo.h"

#include <QLabel>
#include <QVBoxLayout>

SplashWindow::SplashWindow(QWidget *parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint)
{
    setObjectName(QStringLiteral("frmLoad"));
    setFont(JapaneseFont::make(9));
    setAttribute(Qt::WA_DeleteOnClose, false);
    setFixedSize(int(DisplayScale::scaleX(400)), int(DisplayScale::scaleY(220)));
    QPalette colours = palette();
    colours.setColor(QPalette::Window, QColor(0x1f, 0x3b, 0x73));
    colours.setColor(QPalette::WindowText, Qt::white);
    setPalette(colours);
    setAutoFillBackground(true);

    auto *title = new QLabel(QStringLiteral("QUDO"), this);
    QFont titleFont = JapaneseFont::make(27);
    titleFont.setBold(true);
    title->setFont(titleFont);
    title->setAlignment(Qt::AlignCenter);

    auto *subtitle = new QLabel(QStringLiteral("BIG くじ結果チェッカー  Ver ") + AppInfo::getVersionString(), this);
    subtitle->setAlignment(Qt::AlignCenter);

    m_copyrightLabel = new QLabel(AppInfo::legalNotice(), this);
    m_copyrightLabel->setObjectName(QStringLiteral("lblCopyright"));
    m_copyrightLabel->setAlignment(Qt::AlignCenter);

    auto *layout = new QVBoxLayout(this);
    layout->addStretch();
    layout->addWidget(title);
    layout->addWidget(subtitle);
    layout->addStretch();
    layout->addWidget(m_copyrightLabel);
}
