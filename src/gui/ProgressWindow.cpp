#include "gui/ProgressWindow.h"

#include "gui/JapaneseFont.h"
#include "support/DisplayScale.h"

#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

frmWaitDialog::frmWaitDialog(QWidget *owner)
    : QWidget(owner, Qt::Tool | Qt::WindowStaysOnTopHint | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
    , m_lblMsg(new QLabel(this))
    , m_bar(new QProgressBar(this))
    , m_cmdStop(new QPushButton(QStringLiteral("中止"), this))
{
    setObjectName(QStringLiteral("frmWaitDialog"));
    setFont(JapaneseFont::make(9));
    setWindowTitle(QStringLiteral(" 処理中 . . ."));
    m_lblMsg->setObjectName(QStringLiteral("lblMsg"));
    m_bar->setObjectName(QStringLiteral("barProgress"));
    m_bar->setTextVisible(false);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(int(DisplayScale::scaleX(16)), int(DisplayScale::scaleY(12)), int(DisplayScale::scaleX(16)),
                               int(DisplayScale::scaleY(12)));
    layout->addWidget(new QLabel(QStringLiteral("しばらくお待ち下さい"), this));
    layout->addWidget(m_lblMsg);
    layout->addWidget(m_bar);
    m_cmdStop->setObjectName(QStringLiteral("cmdStop"));
    m_cmdStop->hide();
    connect(m_cmdStop, &QPushButton::clicked, this, [this] {
        m_stopRequested = true;
        m_cmdStop->setEnabled(false);
    });
    layout->addWidget(m_cmdStop, 0, Qt::AlignHCenter);
    setFixedWidth(int(DisplayScale::scaleX(320)));
}

void frmWaitDialog::setMessage(const QString &message)
{
    if (message == m_lblMsg->text())
        return;
    m_lblMsg->setText(message);
    m_lblMsg->repaint();
}

void frmWaitDialog::setMax(qint32 max)
{
    m_bar->setRange(0, std::max(1, max));
    m_bar->repaint();
}

void frmWaitDialog::setValue(qint32 value)
{
    // The bar repaints itself at once when the change shows; a step too
    // small to move its fill is not drawn again.
    m_bar->setValue(std::clamp(value, 0, m_bar->maximum()));
}

QString frmWaitDialog::message() const
{
    return m_lblMsg->text();
}

void frmWaitDialog::setStoppable(bool stoppable)
{
    m_cmdStop->setVisible(stoppable);
    adjustSize();
}

void frmWaitDialog::resetStop()
{
    m_stopRequested = false;
    m_cmdStop->setEnabled(true);
    setStoppable(false);
}
