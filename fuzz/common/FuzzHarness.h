#pragma once

#include "common/TestAppFolder.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <cstddef>
#include <cstdint>

// What every fuzz target of the readers shares. Each target defines
// LLVMFuzzerTestOneInput only: the start-up (a core application and one
// application folder with the shipped reference files for the whole run)
// happens here, in LLVMFuzzerInitialize.
namespace Fuzz {

// The application folder of the run; readers resolve SysData against it.
const TestAppFolder &app();

QByteArray bytes(const std::uint8_t *data, std::size_t size);

// The input as a page gives it after HTML to text lines: split at LF, each
// line without the blanks and control characters the text lines never hold.
QStringList pageLines(const QByteArray &input);

// A text as it comes back from a file the program wrote: every character
// through windows-31j and back.
QString throughSjis(const QString &text);

// Stops the run with the failed check: libFuzzer keeps the input.
[[noreturn]] void fail(const char *file, int line, const char *check);

} // namespace Fuzz

#define FUZZ_CHECK(condition)                                                                                   \
    do {                                                                                                        \
        if (!(condition))                                                                                       \
            Fuzz::fail(__FILE__, __LINE__, #condition);                                                         \
    } while (false)
