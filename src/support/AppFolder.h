#pragma once

#include <QString>

// The application folder: the folder of the executable, against which every
// relative path of the program resolves. Tests point it at a folder of their own.
namespace AppFolder {

QString path();
void setPath(const QString &folder);   // an empty folder restores the default

} // namespace AppFolder
