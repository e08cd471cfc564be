#pragma once
// Every key of Quorvane.ini the program reads or writes, once: section, name
// and default. Readers and writers use these entries; nobody spells a key or
// its default anywhere else. Where two readers of one key default differently
// on purpose, each default is its own entry, with a line saying who uses it.
#include <QString>
#include <optional>

struct Impostazione {
    const char* sezione;
    const char* chiave;
    // nullptr: the reader computes the default at run time and passes it.
    const char* predefinito;

    QString nome() const { return QString::fromLatin1(chiave); }
    QString valorePredefinito() const { return QString::fromLatin1(predefinito); }
};

// Reads the entry (its default when absent).
QString leggi(const Impostazione& voce);
// For entries whose default is computed at run time.
QString leggi(const Impostazione& voce, const QString& predefinito);
// Writes it; an absent value removes the key.
void salva(const Impostazione& voce, const std::optional<QString>& valore);

// Keys whose name is built at run time (window positions "<window>.Left", ...).
QString leggi(const char* sezione, const QString& chiave, const QString& predefinito);
void salva(const char* sezione, const QString& chiave, const std::optional<QString>& valore);

namespace imp {
inline constexpr const char* kOptions = "Options";
inline constexpr const char* kSettings = "Settings";
inline constexpr const char* kForms = "Forms";

inline constexpr const char* kRestrizioni = "Restrizioni";

// Sections and entries go below, grouped by the window or procedure that owns them.

// Main window (frmMain): its place and size. The place defaults to the
// centre of the screen, computed on load.
inline constexpr Impostazione MainLeft{kForms, "MainLeft", nullptr};
inline constexpr Impostazione MainTop{kForms, "MainTop", nullptr};
inline constexpr Impostazione MainWidth{kForms, "MainWidth", "9300"};
inline constexpr Impostazione MainHeight{kForms, "MainHeight", "6000"};
// Base address of the maker's site: frmUrl writes it; the web-site command and
// the internet update read it. The default plainly needs the user's setting.
inline constexpr Impostazione Url{kOptions, "Url", "http://localhost/"};

// Other windows' places: "<window name>Left"/"Top" through the by-name
// overloads, with this default (CaricaPosizioneForm).
inline constexpr const char* kPosizionePredefinita = "1000";

// Period window (frmDati). Its left edge defaults to the screen width less
// 9100 twips, computed on load.
inline constexpr Impostazione DatiLeft{kForms, "DatiLeft", nullptr};
inline constexpr Impostazione DatiTop{kForms, "DatiTop", "0"};
// frmDati's own reader starts the period near the archive's recent end...
inline constexpr Impostazione InizioRicercaDati{kSettings, "InizioRicerca", "6998"};
// ...while the wheel loaders (CaricaRuote, CaricaRuoteConNz, SalvaRuote) and
// the method-search loader (CaricaImpostazioniRicerca) start at the first draw.
inline constexpr Impostazione InizioRicerca{kSettings, "InizioRicerca", "1"};
// Every reader defaults to the draw count, known at run time.
inline constexpr Impostazione FineRicerca{kSettings, "FineRicerca", nullptr};
// Written for the record; nothing reads them.
inline constexpr Impostazione DataInizioRicerca{kSettings, "DataInizioRicerca", ""};
inline constexpr Impostazione DataFineRicerca{kSettings, "DataFineRicerca", ""};
inline constexpr Impostazione Blocco{kSettings, "Blocco", "N"};
// frmDati and AggiornaFineRicerca: "Y" makes the period's end follow new draws.
inline constexpr Impostazione UltimaEstrazione{kSettings, "UltimaEstrazione", "Y"};

// Wheel choices (CaricaRuoteConNz/SalvaRuoteConNz, CaricaRuote/SalvaRuote,
// CaricaImpostazioniRicerca/SalvaRuoteConNzGioco).
inline constexpr Impostazione RuoteConNz{kSettings, "RuoteConNz", "YNNNNNNNNNN"};
inline constexpr Impostazione Ruota{kSettings, "Ruota", "YNNNNNNNNNN"};
// CaricaRuote in its several-wheel form; nothing writes it.
inline constexpr Impostazione Ruote{kSettings, "Ruote", "YYYYYYYYYYN"};
inline constexpr Impostazione RuoteConNzGioco{kSettings, "RuoteConNzGioco", "YNNNNNNNNNN"};

// Summative pairs window (frmSommativaAmbi): its inputs, as typed.
inline constexpr const char* kSommativaAmbi = "SommativaAmbi";
inline constexpr Impostazione SommativaColpi{kSommativaAmbi, "Colpi", "5"};
inline constexpr Impostazione SommativaGiocate{kSommativaAmbi, "Giocate", "10"};
inline constexpr Impostazione SommativaQuanti{kSommativaAmbi, "Quanti", "50"};

// Colours: ImpostaForm paints with these defaults, and the colours window
// (frmColori) shows the same when a key is absent: the colours in use.
inline constexpr Impostazione ColoreForm{kSettings, "ColoreForm", "10276301"};
inline constexpr Impostazione ColoreEtichette{kSettings, "ColoreEtichette", "16777215"};
inline constexpr Impostazione ColoreListe{kSettings, "ColoreListe", "16777215"};

// Draw weekdays, Sunday first: the weekdays window (frmEsclusioni) and the
// draw-entry window's next date read this default...
inline constexpr Impostazione GiorniEstrazione{kOptions, "Giorni estrazione", "NNYNYNY"};
// ...and the monthly index (CostruisciIndiceMensile) this one.
inline constexpr Impostazione GiorniEstrazioneIndice{kOptions, "Giorni estrazione", "NNYNYYY"};
// Kept by the weekdays window; nothing else reads it.
inline constexpr Impostazione ShowTipsAtStartup{kOptions, "Show Tips at Startup", "1"};
// The error handler (GestioneErrore) logs when this is "1".
inline constexpr Impostazione LogFile{kOptions, "LogFile", "1"};

// Search restrictions: read and saved only by LeggiImpostazioniRestrizioni
// and SalvaImpostazioniRestrizioni (core/Restrizioni.h).
inline constexpr Impostazione Giorno{kRestrizioni, "Giorno", "N"};
// LeggiRestrizioni and the restrictions window read this default...
inline constexpr Impostazione Giorni{kRestrizioni, "Giorni", "YYYYYYY"};
// ...and the main window's panel (MostraRestrizioni) this one.
inline constexpr Impostazione GiorniPannello{kRestrizioni, "Giorni", "NNYYYNY"};
inline constexpr Impostazione Mese{kRestrizioni, "Mese", "N"};
inline constexpr Impostazione Mesi{kRestrizioni, "Mesi", "YYYYYYYYYYYY"};
inline constexpr Impostazione Periodo{kRestrizioni, "Periodo", "N"};
// Two-digit day followed by the month's name.
inline constexpr Impostazione Dal{kRestrizioni, "Dal", "01gennaio"};
inline constexpr Impostazione Al{kRestrizioni, "Al", "31dicembre"};

// The consultation board (frmConsultaEstrazioni).
inline constexpr Impostazione ConsultaLeft{kForms, "ConsultaLeft", "1000"};
inline constexpr Impostazione ConsultaTop{kForms, "ConsultaTop", "1000"};
inline constexpr Impostazione Riepilogo{kOptions, "Riepilogo", "True"};
// Its summary window (frmAnalisi).
inline constexpr Impostazione AnalisiLeft{kForms, "AnalisiLeft", "1000"};
inline constexpr Impostazione AnalisiTop{kForms, "AnalisiTop", "1000"};
// Its sums and distances table (frmSommeDistanze): place, and equal values
// marked by columns ("1") or by rows ("0").
inline constexpr Impostazione SommeDistanzeLeft{kForms, "SommeDistanzeLeft", "1000"};
inline constexpr Impostazione SommeDistanzeTop{kForms, "SommeDistanzeTop", "1000"};
inline constexpr Impostazione AnalisiSommeDistanze{kSettings, "AnalisiSommeDistanze", "1"};
// The table's chart (frmGraficoSomme).
inline constexpr Impostazione GraficoSommeDistanzeLeft{kForms, "GraficoSommeDistanzeLeft", "1000"};
inline constexpr Impostazione GraficoSommeDistanzeTop{kForms, "GraficoSommeDistanzeTop", "1000"};
} // namespace imp
