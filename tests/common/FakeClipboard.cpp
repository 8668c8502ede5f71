#include "common/FakeClipboard.h"

void FakeClipboard::setText(const QString &text)
{
    m_calls.append(QStringLiteral("setText"));
    m_text = text;
    m_holdsText = true;
}

void FakeClipboard::clear()
{
    m_calls.append(QStringLiteral("clear"));
    m_text.clear();
}

void FakeClipboard::copy(const QString &text, bool holdsText)
{
    m_text = text;
    m_holdsText = holdsText;
}
