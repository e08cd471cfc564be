#include "shell/modGuida.h"

#include "compat/AppError.h"
#include "compat/vb.h"
#include "compat/ui/Platform.h"

using namespace compat;

cHtmlHelp& Guida()
{
    static cHtmlHelp guida;
    return guida;
}

QString cHtmlHelp::VerificaPercorso() const
{
    const int p = vbInStr(file_, u"::/");
    return p > 0 ? vbTrim(vbLeft(file_, p - 1)) : file_;
}

// The desktop opens the program's own help file (the platform knows where it
// is); context and topic reach it only as far as its viewer allows.
qint32 cHtmlHelp::DisplayContext(qint32 contesto)
{
    platform().help().context(contesto);
    return 0;
}

qint32 cHtmlHelp::DisplayTopic(const QString&)
{
    platform().help().contents();
    return 0;
}

qint32 cHtmlHelp::PopUp(const QString&)
{
    return 0; // no pop-up help on this desktop
}

qint32 cHtmlHelp::DisplaySearch()
{
    platform().help().contents();
    return 0;
}

qint32 cHtmlHelp::DisplayTOC()
{
    platform().help().contents();
    return 0;
}

qint32 cHtmlHelp::DisplayIndex(const QString&)
{
    platform().help().contents();
    return 0;
}

qint32 cHtmlHelp::HelpContextPop(QWidget*)
{
    return 0; // no pop-up help on this desktop
}

qint32 cHtmlHelp::HelpContext(qint32 contesto, const QString&)
{
    vbResumeNext([&] { platform().help().context(contesto); });
    return 0;
}
