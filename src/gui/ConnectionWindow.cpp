#include "gui/ConnectionWindow.h"

#include "support/DisplayScale.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>
#include <QStyle>

namespace {

QFont logFont()
{
    QFont font;
    font.setFamilies({QStringLiteral("ＭＳ ゴシック"), QStringLiteral("IPAGothic")});
    font.setStyleHint(QFont::Monospace);
    return font;
}

} // namespace

frmWinInet::frmWinInet(QWidget *parent)
    : QWidget(parent, Qt::Tool)
    , m_lstMsg(new QListWidget)
    , m_cmdStop(new QPushButton(QStringLiteral("中止")))
{
    setObjectName(QStringLiteral("frmWinInet"));
    setWindowTitle(QStringLiteral(" インターネット接続"));

    auto *picBase = new QFrame;
    picBase->setObjectName(QStringLiteral("picBase"));
    auto *imgEarthAni = new QLabel;
    imgEarthAni->setObjectName(QStringLiteral("imgEarthAni"));
    imgEarthAni->setPixmap(style()->standardIcon(QStyle::SP_DriveNetIcon).pixmap(32, 32));
    imgEarthAni->setAlignment(Qt::AlignTop);
    m_lstMsg->setObjectName(QStringLiteral("lstMsg"));
    m_lstMsg->setFont(logFont());
    m_cmdStop->setObjectName(QStringLiteral("cmdStop"));
    m_cmdStop->setEnabled(false);
    connect(m_cmdStop, &QPushButton::clicked, this, &frmWinInet::stopRequested);

    auto *right = new QVBoxLayout;
    right->addWidget(m_lstMsg, 1);
    right->addWidget(m_cmdStop, 0, Qt::AlignRight);
    auto *baseLayout = new QHBoxLayout(picBase);
    baseLayout->addWidget(imgEarthAni);
    baseLayout->addLayout(right, 1);
    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(picBase);
    resize(int(DisplayScale::scaleX(420)), int(DisplayScale::scaleY(190)));
}

void frmWinInet::showOver(QWidget *owner)
{
    const bool onTop = owner && owner->windowFlags().testFlag(Qt::WindowStaysOnTopHint);
    if (parentWidget() != owner || windowFlags().testFlag(Qt::WindowStaysOnTopHint) != onTop)
        setParent(owner, onTop ? Qt::Tool | Qt::WindowStaysOnTopHint : Qt::Tool);
    show();
    raise();
    update();
}

void frmWinInet::addLine(const QString &line)
{
    m_lstMsg->addItem(line);
    m_lstMsg->setCurrentRow(m_lstMsg->count() - 1);
    m_lstMsg->scrollToBottom();
    m_lstMsg->update();
}

void frmWinInet::appendToLastLine(const QString &text)
{
    if (m_lstMsg->count() == 0) {
        addLine(text);
        return;
    }
    QListWidgetItem *last = m_lstMsg->item(m_lstMsg->count() - 1);
    last->setText(last->text() + text);
    m_lstMsg->update();
}

void frmWinInet::closeLog(QWidget *owner)
{
    hide();
    m_lstMsg->clear();
    if (owner)
        owner->update();
}

void frmWinInet::setStopEnabled(bool enabled)
{
    m_cmdStop->setEnabled(enabled);
}

QStringList frmWinInet::lines() const
{
    QStringList result;
    for (int row = 0; row < m_lstMsg->count(); ++row)
        result << m_lstMsg->item(row)->text();
    return result;
}
