#pragma once

#include <QString>
#include <exception>
#include <utility>

class RuntimeError;

// The error reporter that every class owns, named after that class.
//
// report(procedure, message) shows a warning titled "QUDO / <class> / <procedure>".
// report(procedure, error) shows the run-time error as an error box
// "<description> ( <number> )" titled "<source> / <class> / <procedure>".
class ErrorReporter
{
public:
    explicit ErrorReporter(QString className);

    const QString &className() const { return m_className; }

    void report(const QString &procedure, const QString &message) const;
    void report(const QString &procedure, const RuntimeError &error) const;
    // Any other exception is reported as the run-time error it stands for.
    void report(const QString &procedure, const std::exception &error) const;

    void reportInitializeError(const QString &procedure) const;

    // Runs body; a run-time error thrown inside is reported under the procedure
    // name and the fallback is returned instead, as every operation does at its
    // boundary.
    template<typename Value, typename Work>
    Value guard(const QString &procedure, Value fallback, Work &&body) const
    {
        try {
            return std::forward<Work>(body)();
        } catch (const std::exception &error) {
            report(procedure, error);
            return fallback;
        }
    }

private:
    QString m_className;
};
