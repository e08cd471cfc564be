#pragma once
// A program folder with a test archive open, the settings file beside it and
// the scripted platform installed; every window still loaded at the end is
// unloaded.
#include "ArchivioTest.h"
#include "compat/ui/Form.h"
#include "compat/files.h"
#include "core/Impostazioni.h"
#include "shell/frmMain.h"
#include "shell/modArchivio.h"
#include "support/ui/FakePlatform.h"
#include "support/ui/StatoModuli.h"

#include <QCoreApplication>
#include <QEvent>
#include <algorithm>

struct AmbienteServizi {
    compat::FakePlatform fake;
    compat::FakePlatformScope scope{fake};
    CartellaProgramma cartella;

    explicit AmbienteServizi(const std::vector<RecEstrazione>& estrazioni)
    {
        azzeraStatoModuli();
        fake.setFolder(cartella.percorso());
        cartella.scrivi(estrazioni);
        PercorsoApp = cartella.percorso();
        IniImpostazioni().setFileName(PercorsoApp + QStringLiteral("/Quorvane.ini"));
        compat::setOwnFiles(FileDelProgramma);
        Archivio().apri(PercorsoApp);
        AggiornaNumeroEstrazioni();
    }
    ~AmbienteServizi()
    {
        auto tutte = compat::Forms::all();
        std::reverse(tutte.begin(), tutte.end());
        for (compat::Form* f : tutte) {
            try {
                compat::vbUnload(f, compat::vbFormCode);
            } catch (const compat::ProcessEnded&) {
                // the main window's Unload ends the program
            }
        }
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        Archivio().chiudi();
        ElaborazioneInCorso = StopRicerca = false;
    }
    static QString ini(const char* sezione, const char* chiave)
    {
        return LeggiImpostazione({}, QString::fromLatin1(sezione), QString::fromLatin1(chiave),
                                 QStringLiteral("<assente>"));
    }
    static void imposta(const char* sezione, const char* chiave, const QString& valore)
    {
        SalvaImpostazione({}, QString::fromLatin1(sezione), QString::fromLatin1(chiave), valore);
    }
};
