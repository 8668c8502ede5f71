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

ConnectionWindow::ConnectionWindow(QWidget *parent)
    : QWidget(parent, Qt::Tool)
    , m_messageList(new QListWidget)
    , m_stopButton(new QPushButton(QStringLiteral("中止")))
{
    setObjectName(QStringLiteral("frmWinInet"));
    setWindowTitle(QStringLiteral(" インターネット接続"));

    auto *baseSurface = new QFrame;
    baseSurface->setObjectName(QStringLiteral("picBase"));
    auto *earthAnimation = new QLabel;
    earthAnimation->setObjectName(QStringLiteral("imgEarthAni"));
    earthAnimation->setPixmap(style()->standardIcon(QStyle::SP_DriveNetIcon).pixmap(32, 32));
    earthAnimation->setAlignment(Qt::AlignTop);
    m_messageList->setObjectName(QStringLiteral("lstMsg"));
    m_messageList->setFont(logFont());
    m_stopButton->setObjectName(QStringLiteral("cmdStop"));
    m_stopButton->setEnabled(false);
    connect(m_stopButton, &QPushButton::clicked, this, &ConnectionWindow::stopRequested);

    auto *right = new QVBoxLayout;
    right->addWidget(m_messageList, 1);
    right->addWidget(m_stopButton, 0, Qt::AlignRight);
    auto *baseLayout = new QHBoxLayout(baseSurface);
    baseLayout->addWidget(earthAnimation);
    baseLayout->addLayout(right, 1);
    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(baseSurface);
    resize(int(DisplayScale::scaleX(420)), int(DisplayScale::scaleY(190)));
}

void ConnectionWindow::showOver(QWidget *owner)
{
    const bool onTop = owner && owner->windowFlags().testFlag(Qt::WindowStaysOnTopHint);
    if (parentWidget() != owner || windowFlags().testFlag(Qt::WindowStaysOnTopHint) != onTop)
        setParent(owner, onTop ? Qt::Tool | Qt::WindowStaysOnTopHint : Qt::Tool);
    show();
    raise();
    update();
}

void ConnectionWindow::addLine(const QString &line)
{
    m_messageList->addItem(line);
    m_messageList->setCurrentRow(m_messageList->count() - 1);
    m_messageList->scrollToBottom();
    m_messageList->update();
}

void ConnectionWindow::appendToLastLine(const QString &text)
{
    if (m_messageList->count() == 0) {
        addLine(text);
        return;
    }
    QListWidgetItem *last = m_messageList->item(m_messageList->count() - 1);
    last->setText(last->text() + text);
    m_messageList->update();
}

void ConnectionWindow::closeLog(QWidget *owner)
{
    hide();
    m_messageList->clear();
    if (owner)
        owner->update();
}

void ConnectionWindow::setStopEnabled(bool enabled)
{
    m_stopButton->setEnabled(enabled);
}

QStringList ConnectionWindow::lines() const
{
    QStringList result;
    for (int row = 0; row < m_messageList->count(); ++row)
        result << m_messageList->item(row)->text();
    return result;
}
