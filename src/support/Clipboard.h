#pragma once

#include <QString>

// The system clipboard as plain text. The program hands its implementation to
// the classes that copy singles to it and take them from it; tests hand a fake.
class Clipboard
{
public:
    virtual ~Clipboard() = default;

    // The clipboard's plain text; empty when it holds none or something else.
    virtual QString text() const = 0;
    virtual void setText(const QString &text) = 0;
    virtual void clear() = 0;
};
