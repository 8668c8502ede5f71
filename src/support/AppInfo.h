#pragma once

#include <QString>

// The program's version record and fixed identity.
namespace AppInfo {

inline constexpr int versionMajor = 1;
inline constexpr int versionMinor = 0;
inline constexpr int versionRevision = 0;

// Title of every message box that has no title of its own.
QString title();
// Caption of the main window.
QString mainWindowCaption();
// The legal notice shown on the splash window and written into INI headers.
QString legalNotice();

// The publisher's e-mail and web addresses (settings of the build).
QString publisherMail();
QString publisherWeb();

// Major, ".", minor with two digits, and ".revision" when the revision is above 0.
QString versionString(int major, int minor, int revision);
QString getVersionString();

} // namespace AppInfo
