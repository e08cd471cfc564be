#pragma once
// The multi-wheel results as fixed-column text: the lines of the text file
// and of the printout, with its page breaks. The heading describes the run
// that produced the rows: the window passes the options as that run read them.
#include "compat/TextOutput.h"

#include <QDate>
#include <QString>
#include <QStringList>
#include <array>
#include <vector>

// The method-search options of one automatic search.
struct DescrizioneMultiRuota {
    bool perDate = true;               // "Dal ... al ..."; otherwise the last cases
    QDate da, a;
    QString sortite;                   // cboSortite
    QString descriviRicerca;           // lblDescriviRicerca
    std::array<bool, 12> ruote{};      // search boxes, 0 = "Tutte"
    std::array<bool, 12> ruoteGioco{}; // play boxes
    QString tipoSpia;                  // the chosen optSpia's caption
    bool spiaNumero = true;            // optSpia(0)
    bool valoreFisso = true;           // optTipo(0)
    QString didascaliaFisso;           // optTipo(0)'s caption
    QString numero;                    // cboNumero
    QString didascaliaTutti;           // optTipo(1)'s caption
    bool posizioneDeterminata = false; // chkPosDet
    std::array<bool, 6> posizioni{};   // chkPosizione 1..5
    QString colpi;                     // cboColpi
    QString indice;                    // cboIndice
    QString intestazioneSpia;          // "Numero", "Somma" or "Differenza"
};

// Descrizione algoritmo, Sortite, Pres./Quantità, % Pres., spia value,
// R.ricerca, R.gioco: a row as the list shows it.
using CelleMultiRuota = std::array<QString, 7>;

// The seven setting lines.
QStringList righeDescrizioneMultiRuota(const DescrizioneMultiRuota& o);

// The block a text output writes (or appends), from "Quorvane 2" on.
QStringList fileMultiRuota(const DescrizioneMultiRuota& o, const QString& didascalia,
                           const std::vector<CelleMultiRuota>& righe);

using RigaStampaMulti = compat::PrintedLine;
// All copies, each from a new page; 77 rows on a copy's first page and 87
// on each further one, a page break only when another row follows.
std::vector<RigaStampaMulti> stampaMultiRuota(const DescrizioneMultiRuota& o, const QString& didascalia,
                                              const std::vector<CelleMultiRuota>& righe, int copie);
