#include "shell/modElaborazione.h"

#include "compat/ui/Platform.h"
#include "shell/modArchivio.h"

#include <QCursor>
#include <QGuiApplication>
#include <stdexcept>

namespace {

int profondita = 0;
int puntatoreSchermo = 0;
bool cursoreNostro = false;

void pulisciEsc()
{
    try {
        compat::platform().keyboard().clearEsc();
    } catch (const std::logic_error&) {
        // no platform installed (engine-level callers): no latch to clear
    }
}

} // namespace

bool CalcoloInCorso()
{
    return profondita > 0;
}

bool ElaborazioneAttiva()
{
    return ElaborazioneInCorso || CalcoloInCorso();
}

CalcoloScope::CalcoloScope()
{
    ++profondita;
    ElaborazioneInCorso = true;
    StopRicerca = false;
    pulisciEsc();
}

CalcoloScope::~CalcoloScope()
{
    --profondita;
    ElaborazioneInCorso = false;
    pulisciEsc();
}

int MousePointerSchermo()
{
    return puntatoreSchermo;
}

void ImpostaMousePointerSchermo(int puntatore)
{
    puntatoreSchermo = puntatore;
    if (!qobject_cast<QGuiApplication*>(QCoreApplication::instance()))
        return;
    // Only our own override cursor is touched, so the pointer of any other
    // busy scope stays as it is.
    if (puntatore == 11) {
        if (cursoreNostro)
            QGuiApplication::changeOverrideCursor(QCursor(Qt::WaitCursor));
        else
            QGuiApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
        cursoreNostro = true;
    } else if (cursoreNostro) {
        QGuiApplication::restoreOverrideCursor();
        cursoreNostro = false;
    }
}

CMouse::~CMouse()
{
    if (salvato_)
        ImpostaMousePointerSchermo(PuntatoreSalvato);
}

void CMouse::SetPointer(int nuovoPuntatore)
{
    if (!salvato_) {
        PuntatoreSalvato = static_cast<qint16>(MousePointerSchermo());
        salvato_ = true;
    }
    ImpostaMousePointerSchermo(nuovoPuntatore);
}
