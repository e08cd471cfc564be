#pragma once
#include "ArchivioTest.h"
#include "compat/ui/Form.h"
#include "core/Impostazioni.h"
#include "shell/frmMain.h"
#include "shell/modArchivio.h"
#include "support/ui/FakePlatform.h"
#include "support/ui/StatoModuli.h"

#include <QCoreApplication>
#include <QEvent>

// A program folder with a fresh start-up state; every window left is
// unloaded at the end (the main window's Unload ends the process).
struct Avvio {
    compat::FakePlatform fake;
    compat::FakePlatformScope scope{fake};
    CartellaProgramma cartella;

    Avvio()
    {
        azzeraStatoModuli();
        fake.setFolder(cartella.percorso());
        // After every draw the tests store: the start tells of later ones.
        fake.setNow(QDateTime(QDate(2026, 3, 10), QTime(12, 0)));
    }
    ~Avvio()
    {
        auto tutte = compat::Forms::all();
        for (auto it = tutte.rbegin(); it != tutte.rend(); ++it) {
            try {
                compat::vbUnload(*it);
            } catch (const compat::ProcessEnded&) {
            }
        }
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        ChiudiTuttiIFile();
        ElaborazioneInCorso = StopRicerca = false;
    }
    void archivio()
    {
        cartella.scrivi(componi({{QDate(2026, 2, 24), {{1, {1, 2, 3, 4, 5}}}, 33},
                                 {QDate(2026, 2, 27), {{1, {6, 7, 8, 9, 10}}}}}));
    }
    void ini(const char* sezione, const char* chiave, const QString& valore)
    {
        IniImpostazioni().setFileName(cartella.percorso() + QStringLiteral("/Quorvane.ini"));
        SalvaImpostazione({}, QString::fromLatin1(sezione), QString::fromLatin1(chiave), valore);
    }
    QString ini(const char* chiave)
    {
        return LeggiImpostazione({}, QStringLiteral("Forms"), QString::fromLatin1(chiave),
                                 QStringLiteral("<assente>"));
    }
    frmMain* avvia()
    {
        auto* f = compat::Forms::get<frmMain>();
        f->vbShow();
        return f;
    }
};
