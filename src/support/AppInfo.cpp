#include "support/AppInfo.h"

#include "support/Format.h"

namespace AppInfo {

QString title()
{
    return QStringLiteral("QUDO");
}

QString mainWindowCaption()
{
    return QStringLiteral(" Quorvel  QUDO");
}

QString legalNotice()
{
    return QStringLiteral("Copyright (C) 2026 Quorvel. All rights reserved.");
}

QString publisherMail()
{
    return QStringLiteral(QUDO_PUBLISHER_MAIL);
}

QString publisherWeb()
{
    return QStringLiteral(QUDO_PUBLISHER_WEB);
}

QString versionString(int major, int minor, int revision)
{
    QString text = QString::number(major) + u'.' + Format::zeroPadded(minor, 2);
    if (revision > 0)
        text += u'.' + QString::number(revision);
    return text;
}

QString getVersionString()
{
    return versionString(versionMajor, versionMinor, versionRevision);
}

} // namespace AppInfo
