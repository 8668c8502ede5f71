#include "gui/ProgressWindow.h"

#include "gui/JapaneseFont.h"
#include "support/DisplayScale.h"

#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

ProgressWindow::ProgressWindow(QWidget *owner)
    : QWidget(owner, Qt::Tool | Qt::WindowStaysOnTopHint | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
    , m_messageLabel(new QLabel(this))
    , m_bar(new QProgressBar(this))
    , m_stopButton(new QPushButton(QStringLiteral("中止"), this))
{
    setObjectName(QStringLiteral("frmWaitDialog"));
    setFont(JapaneseFont::make(9));
    setWindowTitle(QStringLiteral(" 処理中 . . ."));
    m_messageLabel->setObjectName(QStringLiteral("lblMsg"));
    m_bar->setObjectName(QStringLiteral("barProgress"));
    m_bar->setTextVisible(false);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(int(DisplayScale::scaleX(16)), int(DisplayScale::scaleY(12)), int(DisplayScale::scaleX(16)),
                               int(DisplayScale::scaleY(12)));
    layout->addWidget(new QLabel(QStringLiteral("しばらくお待ち下さい"), this));
    layout->addWidget(m_messageLabel);
    layout->addWidget(m_bar);
    m_stopButton->setObjectName(QStringLiteral("cmdStop"));
    m_stopButton->hide();
    connect(m_stopButton, &QPushButton::clicked, this, [this] {
        m_stopRequested = true;
        m_stopButton->setEnabled(false);
    });
    layout->addWidget(m_stopButton, 0, Qt::AlignHCenter);
    setFixedWidth(int(DisplayScale::scaleX(320)));
}

void ProgressWindow::setMessage(const QString &message)
{
    if (message == m_messageLabel->text())
        return;
    m_messageLabel->setText(message);
    m_messageLabel->repaint();
}

void ProgressWindow::setMax(qint32 max)
{
    m_bar->setRange(0, std::max(1, max));
    m_bar->repaint();
}

void ProgressWindow::setValue(qint32 value)
{
    // The bar repaints itself at once when the change shows; a step too
    // small to move its fill is not drawn again.
    m_bar->setValue(std::clamp(value, 0, m_bar->maximum()));
}

QString ProgressWindow::message() const
{
    return m_messageLabel->text();
}

void ProgressWindow::setStoppable(bool stoppable)
{
    m_stopButton->setVisible(stoppable);
    adjustSize();
}

void ProgressWindow::resetStop()
{
    m_stopRequested = false;
    m_stopButton->setEnabled(true);
    setStoppable(false);
}
