#pragma once

#include "support/Clipboard.h"

#include <QClipboard>
#include <QGuiApplication>

// The system clipboard through Qt, as plain text. Lines end in CR LF as the
// import expects, whatever the platform's convention is (LF alone here).
class QtClipboard final : public Clipboard
{
public:
    QString text() const override
    {
        QString text = QGuiApplication::clipboard()->text();
        text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
        text.replace(u'\n', QStringLiteral("\r\n"));
        return text;
    }
    void setText(const QString &text) override { QGuiApplication::clipboard()->setText(text); }
    void clear() override { QGuiApplication::clipboard()->clear(); }
};
