#include "compat/ui/Platform.h"

#include "compat/paths.h"
#include "compat/vbdate.h"

#include <exception>
#include <stdexcept>

namespace compat {

namespace {
Platform* installed = nullptr;
}

Platform& platform()
{
    if (!installed)
        throw std::logic_error("compat::platform(): no platform installed");
    return *installed;
}

Platform* setPlatform(Platform* p)
{
    Platform* previous = installed;
    installed = p;
    return previous;
}

void IProcess::end(int code)
{
    // The hook may itself end the program on an error: run it once.
    if (closeAllFiles_ && !ending_) {
        ending_ = true;
        try {
            closeAllFiles_();
        } catch (...) {
            // the process ends all the same
        }
        ending_ = false;
    }
    exitProcess(code);
    std::terminate(); // only an implementation that broke its promise gets here
}

int vbMsgBox(const QString& prompt, int style, const QString& title)
{
    Platform& p = platform();
    return p.msgBox().show(prompt, style, title.isEmpty() ? p.app().title() : title);
}

QString appFile(QStringView rel)
{
    return resolvePath(platform().app().folder(), rel);
}

QString vbNowText()
{
    const QDateTime adesso = platform().clock().now();
    return vbDateText(adesso.date()) + u' ' + vbTimeText(adesso.time());
}

} // namespace compat
