#pragma once
// The printed lists of draws and the detailed grid of one wheel, as printer
// commands: a pure function of the archive and the request, replayed on a
// printer by the print window once per copy.
#include "core/ArchivioMemoria.h"

#include <QString>
#include <vector>

// One printer call: font, bold, tab to a character column, move to a
// horizontal position in twips, text at the current position, line end, new
// page.
struct ComandoStampa {
    enum class Tipo { Carattere, Grassetto, Colonna, PosizioneX, Testo, FineRiga, NuovaPagina };
    Tipo tipo;
    QString testo;     // Carattere: the family; Testo: the text
    double valore = 0; // Carattere: points; Grassetto: 1 on, 0 off; Colonna; PosizioneX: twips

    bool operator==(const ComandoStampa&) const = default;
};
using DocumentoStampa = std::vector<ComandoStampa>;

// Whether a document prints anything at all.
bool StampaQualcosa(const DocumentoStampa& doc);

enum class ModoStampa { Tutte = 0, Mese = 1, DateVicine = 2, Griglia = 3 };

struct RichiestaStampa {
    qint32 inizio = 1; // first and last draw of the period
    qint32 fine = 0;
    ModoStampa modo = ModoStampa::Tutte;
    int ruota = 0;       // 0 every wheel, 1..11 one wheel
    int mese = 0;        // 1..12, month filter
    int chiaveData = 0;  // month x 100 + day, near-date filter
    QString intestazione[2]; // header lines of the one-wheel list
    QString testoRuota;      // the wheel's 10-character name, grid heading
};

// Column of a title centred on 80 characters: (80 - length) / 2 to the
// nearest whole number, halves to even, never below 1.
int ColonnaCentrata(int lunghezza);

// A near-date day that exists in every year (29 February does not).
bool GiornoMeseValido(int giorno, int mese);

// One-wheel list entry: date, two blanks, five numbers in 3 characters each
// (27 characters); empty when a number of the wheel is missing.
QString VoceRuota(const ArchivioMemoria& a, qint32 r, int ruota);
// All-wheels block line: code, two blanks, five numbers, " --" for a missing one.
QString RigaBlocco(const ArchivioMemoria& a, qint32 r, int ruota);

// The list of the period (every draw, one month of every year, or the first
// draw on or after a day of every year) for one wheel or for all: one copy,
// pages numbered from 1. Nothing to list gives a document that prints nothing.
DocumentoStampa ElencoEstrazioni(const ArchivioMemoria& a, const RichiestaStampa& richiesta);

// The 98 grid positions of a draw on one wheel: dots, the last digit of each
// drawn number in its decade's group, blanks between the groups.
QString RigaGriglia(const ArchivioMemoria& a, qint32 r, int ruota);
// Twips of grid position p (1-based).
inline double PosizioneGriglia(int p) { return 800 + 90.0 * p; }
// The detailed grid of the period for one wheel, every draw, one line each.
DocumentoStampa GrigliaRuota(const ArchivioMemoria& a, const RichiestaStampa& richiesta);
