#pragma once

// What the window benchmarks start from: an application folder with the
// shipped reference files, the three round files of 1478 and QUDO.ini naming
// that round.

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QString>

#include <utility>

inline void copyFolder(const QString &from, const QString &to)
{
    QDir().mkpath(to);
    for (const QFileInfo &entry : QDir(from).entryInfoList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot)) {
        if (entry.isDir())
            copyFolder(entry.filePath(), to + u'/' + entry.fileName());
        else
            QFile::copy(entry.filePath(), to + u'/' + entry.fileName());
    }
}

inline void prepare(const QString &folder)
{
    copyFolder(QCoreApplication::applicationDirPath() + QStringLiteral("/SysData"), folder + QStringLiteral("/SysData"));
    const QString expected = QStringLiteral(QUDO_SOURCE_DIR "/tests/data/official/expected/");
    const std::pair<const char *, const char *> files[] = {{"BIG_Schedule", "big_schedule_1478.xml"},
                                                           {"BIG_Vote", "big_vote_1478.xml"},
                                                           {"BIG_Result", "big_result_1478.xml"}};
    for (const auto &[subfolder, name] : files) {
        QDir().mkpath(folder + QStringLiteral("/SysData/") + QLatin1String(subfolder));
        QFile::copy(expected + QLatin1String(name),
                    folder + QStringLiteral("/SysData/%1/%2").arg(QLatin1String(subfolder), QLatin1String(name)));
    }
    QFile state(folder + QStringLiteral("/SysData/QUDO.ini"));
    if (state.open(QIODevice::WriteOnly))
        state.write("Kaisaikai = 1478\r\n");
}

