#include "gui/ClientPanel.h"

#include "gui/IconStrip.h"
#include "support/DisplayScale.h"

#include <QLabel>
#include <QStackedWidget>
#include <QStatusBar>

#include <algorithm>

ClientPanel::ClientPanel(QWidget *parent)
    : QWidget(parent)
    , m_strip(new IconStrip(this))
    , m_pages(new QStackedWidget(this))
    , m_statusBar(new QStatusBar(this))
    , m_statusText(new QLabel(m_statusBar))
{
    setObjectName(QStringLiteral("picMain"));
    m_pages->setObjectName(QStringLiteral("picPages"));
    m_statusBar->setObjectName(QStringLiteral("staMain"));
    m_statusBar->setSizeGripEnabled(false);
    m_statusText->setObjectName(QStringLiteral("lblStatus"));
    m_statusBar->addWidget(m_statusText, 1);
    setMinimumSize(layoutSize());
}

QSize ClientPanel::layoutSize()
{
    return {int(DisplayScale::scaleX(1005)), int(DisplayScale::scaleY(655))};
}

void ClientPanel::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    const int statusHeight = m_statusBar->sizeHint().height();
    const int pageHeight = std::max(1, height() - statusHeight - 1);
    const int stripWidth = int(DisplayScale::scaleX(70));
    m_strip->setGeometry(0, 0, stripWidth, pageHeight);
    m_pages->setGeometry(stripWidth + 1, 0, std::max(1, width() - stripWidth - 2), pageHeight);
    m_statusBar->setGeometry(0, height() - statusHeight, width(), statusHeight);
}
