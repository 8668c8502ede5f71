#pragma once

#include <QString>
#include <stdexcept>

// A run-time error as the program reports it: a number, a description and the
// source that raised it. Operations throw it and catch it at their boundary,
// where the class's ErrorReporter shows it as "<description> ( <number> )".
class RuntimeError : public std::runtime_error
{
public:
    enum Number : int {
        InvalidCall = 5,
        Overflow = 6,
        OutOfMemory = 7,
        SubscriptOutOfRange = 9,
        TypeMismatch = 13,
        FileNotFound = 53,
        PermissionDenied = 70,
        PathFileAccess = 75,
        PathNotFound = 76,
        DeviceIo = 57,
        DiskFull = 61,
    };

    RuntimeError(int number, const QString &description, const QString &source = QString());

    // The program's own description of a standard error number.
    static RuntimeError fromNumber(int number);

    int number() const { return m_number; }
    QString description() const { return m_description; }
    QString source() const { return m_source; }

private:
    int m_number;
    QString m_description;
    QString m_source;
};
