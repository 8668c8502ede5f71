#include "common/FuzzHarness.h"

#include "support/TextCodec.h"

#include <QCoreApplication>

#include <cstdio>
#include <cstdlib>

namespace {

QCoreApplication *s_application = nullptr;
TestAppFolder *s_app = nullptr;

// Registered once Qt has made its own globals, so that it runs before they go.
void finish()
{
    delete s_app;
    delete s_application;
}

bool isDroppedFromLines(QChar ch)
{
    return ch.unicode() <= u' ' || ch == QChar(0x3000);
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    s_application = new QCoreApplication(*argc, *argv);
    s_app = new TestAppFolder(TestAppFolder::SysData::Shipped);
    std::atexit(finish);
    if (!s_app->isValid()) {
        std::fprintf(stderr, "no temporary application folder\n");
        std::abort();
    }
    return 0;
}

namespace Fuzz {

const TestAppFolder &app()
{
    return *s_app;
}

QByteArray bytes(const std::uint8_t *data, std::size_t size)
{
    return QByteArray(reinterpret_cast<const char *>(data), qsizetype(size));
}

QStringList pageLines(const QByteArray &input)
{
    QStringList lines = QString::fromUtf8(input).split(u'\n');
    for (QString &line : lines)
        line.removeIf(isDroppedFromLines);
    return lines;
}

QString throughSjis(const QString &text)
{
    return TextCodec::decodeSjis(TextCodec::encodeSjis(text));
}

void fail(const char *file, int line, const char *check)
{
    std::fprintf(stderr, "%s:%d: check failed: %s\n", file, line, check);
    std::abort();
}

} // namespace Fuzz
