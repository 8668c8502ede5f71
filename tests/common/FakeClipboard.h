#pragma once

#include "support/Clipboard.h"

#include <QStringList>

// A clipboard for tests: holds its text in memory and remembers every call,
// so that a test can see what was cleared and written, and in what order.
class FakeClipboard final : public Clipboard
{
public:
    QString text() const override { return m_holdsText ? m_text : QString(); }
    void setText(const QString &text) override;
    void clear() override;

    // What a user copied in another program; holdsText false stands for
    // data that is not text (a picture, say).
    void copy(const QString &text, bool holdsText = true);

    const QString &held() const { return m_text; }
    // "clear" and "setText" in call order.
    const QStringList &calls() const { return m_calls; }

private:
    QString m_text;
    bool m_holdsText = true;
    QStringList m_calls;
};
