#include "support/ErrorReporter.h"

#include "support/AppInfo.h"
#include "support/RuntimeError.h"
#include "support/Ui.h"

#include <new>

namespace {
const QString separator = QStringLiteral(" / ");
}

ErrorReporter::ErrorReporter(QString className)
    : m_className(std::move(className))
{
}

void ErrorReporter::report(const QString &procedure, const QString &message) const
{
    Ui::instance().showMessage(Ui::Icon::Warning,
                               AppInfo::title() + separator + m_className + separator + procedure,
                               message);
}

void ErrorReporter::report(const QString &procedure, const RuntimeError &error) const
{
    Ui::instance().showMessage(Ui::Icon::Error,
                               error.source() + separator + m_className + separator + procedure,
                               error.description() + QStringLiteral(" ( ") + QString::number(error.number())
                                   + QStringLiteral(" )"));
}

void ErrorReporter::report(const QString &procedure, const std::exception &error) const
{
    if (const auto *runtime = dynamic_cast<const RuntimeError *>(&error)) {
        report(procedure, *runtime);
        return;
    }
    const int number = dynamic_cast<const std::bad_alloc *>(&error) ? RuntimeError::OutOfMemory
                                                                     : RuntimeError::InvalidCall;
    report(procedure, RuntimeError::fromNumber(number));
}

void ErrorReporter::reportInitializeError(const QString &procedure) const
{
    report(procedure, QStringLiteral("Initialize Err"));
}
