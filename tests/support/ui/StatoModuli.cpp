#include "StatoModuli.h"

#include "archivio/modElenco.h"
#include "compat/ui/Form.h"
#include "compat/files.h"
#include "compat/ui/Twips.h"
#include "consulta/frmSommeDistanze.h"
#include "core/ArchivioMemoria.h"
#include "core/Impostazioni.h"
#include "metodi/frmQuorvane.h"
#include "shell/modArchivio.h"
#include "shell/modAspetto.h"
#include "shell/modCalendario.h"
#include "shell/modElaborazione.h"
#include "shell/modGuida.h"
#include "shell/frmMain.h"
#include "shell/modMain.h"
#include "shell/modMetodoSpia.h"
#include "shell/modPeriodo.h"
#include "shell/modRestrizioni.h"

void azzeraStatoModuli()
{
    // modArchivio
    Archivio().chiudi();
    invalidaVistaArchivio();
    PercorsoApp.clear();
    NumeroEstrazioni = 0;
    ElaborazioneInCorso = false;
    StopRicerca = false;
    InizializzazioneFatta = false;
    NumInizioRicerca = 0;
    NumFineRicerca = 0;
    NomiRuote = {};
    SigleRuote = {};
    PrimaEstrazioneRuota = {};
    DataErrata = false;
    EstrazioneTrovata = 0;
    DataTrovata = QDate();
    CercaPrecedente = false;
    // frmSommeDistanze
    SommeDistanzeAperto = false;
    // modCalendario
    IndiceMensile.clear();
    UltimaDelMese.clear();
    // modPeriodo
    CaricamentoForm = false;
    // modMetodoSpia and the method-search window
    CentraFinestre = false;
    FlagRuoteRicercaMulti = {};
    FlagRuoteGiocoMulti = {};
    RuoteRicercaMulti.clear();
    RuoteGiocoMulti.clear();
    // modAspetto
    ColoriForm = {};
    ColoriSfondoElenco = {};
    ColoriTestoElenco = {};
    ColoriRuoteElenco = {};
    // modElenco
    NumeriEvidenziati = {};
    SorteMinima = 0;
    ModoEvidenzia = 0;
    // modRestrizioni
    RestrizioniAttive() = Restrizioni();
    // modElaborazione: the pointer as at start
    ImpostaMousePointerSchermo(0);
    // modMain, modGuida, the window list's current window
    frmPrincipale = nullptr;
    Guida().setOwnerHwnd(nullptr);
    Guida().setHelpFile(QString());
    compat::Forms::current = nullptr;
    compat::setOwnFiles({});
    // The desktop's own screen.
    compat::setScreenOverride({});
    // No settings file until a test names one.
    IniImpostazioni().setFileName(QString());
}
