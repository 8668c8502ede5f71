#pragma once

#include "support/Clipboard.h"

#include <QClipboard>
#include <QGuiApplication>

// The system clipboard through Qt, as plain text.
class QtClipboard final : public Clipboard
{
public:
    QString text() const override { return QGuiApplication::clipboard()->text(); }
    void setText(const QString &text) override { QGuiApplication::clipboard()->setText(text); }
    void clear() override { QGuiApplication::clipboard()->clear(); }
};
