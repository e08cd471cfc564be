#pragma once
// Run-time errors of the original platform, thrown by compat helpers and
// caught by the error traps of windows and procedures.
#include <QString>
#include <exception>
#include <utility>

namespace compat {

struct AppError {
    int number = 0;
    QString description;
    QString source;
};

// The standard description of a run-time error number ("" when unknown).
QString errorDescription(int number);

// Throws the run-time error `number` with its standard description.
[[noreturn]] void raise(int number, const QString& source = {});

// The run-time error that stands for a failed system call's errno: no space
// 61, no permission 70, anything else 75.
int errorNumberOf(int systemError);
[[noreturn]] void raiseSystemError(int systemError);

// Thrown by the scripted platform's process end; every trap lets it through.
struct ProcessEnded {
    int code = 0;
};

// One statement run with errors ignored: an AppError or standard exception
// is swallowed and the caller goes on with the next step.
template <class F>
void vbResumeNext(F&& step)
{
    try {
        std::forward<F>(step)();
    } catch (const ProcessEnded&) {
        throw;
    } catch (const AppError&) {
    } catch (const std::exception&) {
    }
}

} // namespace compat
