// Writes the seeds of the fuzz targets that are made rather than taken as
// they are from tests/data (scripts/fuzz.sh hands those folders to the
// targets too): the official pages as the text lines the page readers take,
// the team-name files behind the byte that chooses which file they replace,
// and small singles files, clipboard texts, assumption files and a QUDO.ini
// made by the program's own writers.
//
//     fuzz_make_seeds <corpus folder>      (the repository's fuzz/corpus)

#include "acquisition/PageFetcher.h"
#include "app/AppState.h"
#include "common/FakeClipboard.h"
#include "evaluation/ResultAssumptionFile.h"
#include "singles/CsvLine.h"
#include "singles/ClipboardExport.h"
#include "support/TextCodec.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cstdio>
#include <vector>

namespace {

const QString dataDir = QStringLiteral(QUDO_TEST_DATA_DIR);
QString s_corpus;

void write(const QString &target, const QString &name, const QByteArray &bytes)
{
    QDir().mkpath(s_corpus + u'/' + target);
    QFile file(s_corpus + u'/' + target + u'/' + name);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        std::fprintf(stderr, "cannot write %s\n", qPrintable(file.fileName()));
}

QByteArray read(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The files of a folder of tests/data whose names match.
QFileInfoList fixtures(const QString &folder, const QStringList &patterns)
{
    return QDir(dataDir + u'/' + folder).entryInfoList(patterns, QDir::Files, QDir::Name);
}

QByteArray pageLines(const QString &path)
{
    PageFetcher html;
    html.parseHtml(QString::fromUtf8(read(path)));
    QStringList lines;
    html.getTextData(lines);
    return lines.join(u'\n').toUtf8();
}

void pages(const QString &target, const QString &pattern)
{
    for (const QFileInfo &file : fixtures(QStringLiteral("official"), {pattern}))
        write(target, file.completeBaseName() + QStringLiteral(".txt"), pageLines(file.filePath()));
}

void teamNames()
{
    const QStringList names{QStringLiteral("TeamName.dat"), QStringLiteral("TeamName1.dat"),
                            QStringLiteral("TeamName2.dat"), QStringLiteral("TeamName3.dat"), QStringLiteral("J1J2.dat")};
    for (int kind = 0; kind < names.size(); ++kind)
        write(QStringLiteral("teamnames"), names[kind], char(kind) + read(dataDir + QStringLiteral("/teamnames/") + names[kind]));
}

std::vector<qint32> someSingles()
{
    return {0, 1, 2, 3, 100, 2186, 2187, 531441, 1594322, 4782968};
}

void singlesFiles()
{
    QByteArray written;
    std::array<char, CsvLine::WriteRoom> line{};
    for (const qint32 code : someSingles())
        written.append(line.data(), CsvLine::write(line.data(), code) - line.data());
    write(QStringLiteral("csv"), QStringLiteral("written.csv"), written);
    write(QStringLiteral("csv"), QStringLiteral("fields.csv"),
          "01,1,2,0,0,0,0,0,0,0,0,0,0,2\r\n 1,0,1.0,2,2,2,2,2,2,2,2,2,2,2\n1,1,1\r2,2,2,2,2,2,2,2,2,2,2,2,2,2");
    write(QStringLiteral("csv"), QStringLiteral("unreadable_field.csv"), written + "1,x,0,0,0,0,0,0,0,0,0,0,0,0\r\n");
}

void clipboardTexts()
{
    FakeClipboard clipboard;
    const std::vector<qint32> singles = someSingles();
    const ClipboardExport text(clipboard);
    write(QStringLiteral("clipimport"), QStringLiteral("rows.txt"), text.getRowText(singles).toUtf8());
    write(QStringLiteral("clipimport"), QStringLiteral("columns.txt"), text.getColumnText(singles).toUtf8());
    write(QStringLiteral("clipimport"), QStringLiteral("labels.txt"),
          "No.5 : 1021 1102 2011 21\r\n0001:10211102201121\r\n１０２１\r\n10211102201121\n");
}

void assumptionFiles()
{
    GameStateTable table{};
    table[0] = {0, 2, 0};
    table[3] = {1, 0, 0};
    table[13] = {3, 3, 3};
    write(QStringLiteral("assumption"), QStringLiteral("assumed.dat"), TextCodec::encodeSjis(ResultAssumptionFile::render(table)));
    write(QStringLiteral("assumption"), QStringLiteral("none.dat"), TextCodec::encodeSjis(ResultAssumptionFile::render({})));
}

void settingsFiles()
{
    write(QStringLiteral("inifile"), QStringLiteral("QUDO.ini"), TextCodec::encodeSjis(appStateText(AppState())));
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication application(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: fuzz_make_seeds <corpus folder>\n");
        return 2;
    }
    s_corpus = QString::fromLocal8Bit(argv[1]);
    settingsFiles();
    pages(QStringLiteral("pageschedule"), QStringLiteral("schedule_*.html"));
    pages(QStringLiteral("pagevote"), QStringLiteral("vote_*.html"));
    pages(QStringLiteral("pageresult"), QStringLiteral("result_*.html"));
    teamNames();
    singlesFiles();
    clipboardTexts();
    assumptionFiles();
    return 0;
}
