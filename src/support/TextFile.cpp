#include "support/TextFile.h"

#include "support/AtomicFileWriter.h"
#include "support/FileError.h"
#include "support/TextCodec.h"
#include "support/PathRules.h"

#include <QFile>

TextFile::TextFile() = default;

bool TextFile::loadBytes(const QString &path, QByteArray &bytes) const
{
    const QString full = PathRules::getFullPath(path);
    if (!PathRules::fileExists(full)) {
        if (m_errMessage)
            m_err.report(QStringLiteral("LoadFromFile"),
                         QStringLiteral("ファイルが存在しません。\r\n") + full);
        return false;
    }
    return m_err.guard(QStringLiteral("LoadFromFile"), false, [&] {
        QFile file(PathRules::toNativePath(full));
        if (!file.open(QIODevice::ReadOnly))
            throw fileErrorOf(file.error());
        bytes = file.readAll();
        if (file.error() != QFileDevice::NoError)
            throw fileErrorOf(file.error());
        return true;
    });
}

bool TextFile::loadFromFile(const QString &path, QString &text) const
{
    QByteArray bytes;
    if (!loadBytes(path, bytes))
        return false;
    text = TextCodec::decodeSjis(bytes);
    if (const qsizetype nul = text.indexOf(QChar(0)); nul >= 0)
        text.truncate(nul);
    return true;
}

bool TextFile::saveBytes(const QString &path, const QByteArray &bytes) const
{
    const QString full = PathRules::getFullPath(path);
    if (!PathRules::folderCheck(PathRules::getParentFolderName(full)))
        return false;
    return m_err.guard(QStringLiteral("SaveToFile"), false, [&] {
        AtomicFileWriter file(PathRules::toNativePath(full));
        file.write(bytes);
        file.commit();
        return true;
    });
}

bool TextFile::saveToFile(const QString &path, const QString &text) const
{
    return saveBytes(path, TextCodec::encodeSjis(text));
}
