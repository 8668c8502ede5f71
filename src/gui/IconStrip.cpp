#include "gui/IconStrip.h"

#include "gui/PageIcons.h"
#include "support/DisplayScale.h"

#include <QIcon>
#include <QPixmap>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

const char *const captions[] = {"ホーム", "シングル", "チェック"};
const char *const names[] = {"imgPage_0", "imgPage_1", "imgPage_2"};

} // namespace

IconStrip::IconStrip(QWidget *parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("picIcon"));
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, int(DisplayScale::scaleY(6)), 0, 0);
    layout->setSpacing(int(DisplayScale::scaleY(4)));
    const QSize iconSize(int(DisplayScale::scaleX(PageIcons::Size)), int(DisplayScale::scaleY(PageIcons::Size)));
    for (int page = 0; page < 3; ++page) {
        auto *button = new QToolButton(this);
        button->setObjectName(QLatin1String(names[page]));
        button->setText(QString::fromUtf8(captions[page]));
        button->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
        button->setAutoRaise(true);
        button->setIconSize(iconSize);
        button->setMinimumWidth(int(DisplayScale::scaleX(62)));
        button->setFocusPolicy(Qt::NoFocus);
        connect(button, &QToolButton::clicked, this, [this, page] { Q_EMIT pageClicked(page); });
        layout->addWidget(button, 0, Qt::AlignHCenter);
        m_buttons[page] = button;
    }
    layout->addStretch();
    setCurrent(0);
}

void IconStrip::setCurrent(int page)
{
    const qreal ratio = devicePixelRatioF();
    for (int index = 0; index < 3; ++index) {
        QIcon icon(QPixmap::fromImage(PageIcons::page(index, index == page, ratio)));
        m_buttons[index]->setIcon(icon);
    }
}
