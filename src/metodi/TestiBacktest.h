#pragma once
// The texts of the back-test: the summary lines of the report window, the
// labels of the win-detail window and the lines of its printout and text file.
#include <QDate>
#include <QString>
#include <QStringList>
#include <array>
#include <vector>

struct EsitoBacktest;

// "" with all five validity positions, else " in " & Str(p) & "'" ... & " pos.".
QString testoValidita(const std::array<bool, 6>& posizioni);
// "Condizione di gioco: sortita del n. 07 in posizione  1  3" and the like.
QString testoCondizione(const QString& codice);
// "" when every day is allowed, else "Solo nelle estrazioni del" and every
// allowed day, Monday first (Friday draws too).
QString testoGiorni(const std::array<bool, 8>& flagGiorni);
// The wheels of the search (" "-terminated codes) or of the play (" "-led codes).
// `multi` is the multi-wheel text, used when not empty.
QString testoRuote(const QString& multi, bool tutte, bool nazionale,
                   const std::array<bool, 12>& ruote, bool gioco);

// The play-now numbers: R(0) the capogioco, R(j) the paired algorithms'.
// Each R(j) > 0 equal to an earlier one moves to the next number, 90 to 1.
void distinguiRiferimenti(std::vector<int>& r);

// What the summary's heading shows, as the window's controls read.
struct IntestazioneReport {
    bool perDate = true;
    QDate da, a;
    QString sortite;              // cboSortite text
    QString descriviRicerca;      // lblDescriviRicerca caption
    QString indice;               // cboIndice text
    QString condizione;           // testoCondizione
    QString giorni;               // testoGiorni
    QString ruoteRicerca, ruoteGioco;
    QString colpi;                // cboColpi text
    bool ultime = false;
    QString ultimeDidascalia;     // chkUltime caption
    std::vector<int> riferimenti; // R(0..m)
    QString validita;             // testoValidita
    QStringList numeriAbbinati;   // lstNumeriAbbinati entries
    QString descrizione;          // txtCapoGioco text
    QStringList algoritmiAbbinati;// lstAlgoritmiAbbinati entries
};

// Lines 1..21 of the summary.
QStringList righeIntestazione(const IntestazioneReport& i);
// The figures that end the summary. Without a case (or a won case) the
// percentages (or the mean wait) read 0,0.
QStringList righeRisultati(const EsitoBacktest& e);

// The win-detail outputs: the heading lines (title, the two labels, rule,
// header, rule) and a row's 110-character line from its cells 0..7.
QStringList righeTitoloDettaglio(const QString& descrizione, const QString& descrizione2);
QString rigaDettaglio(const std::array<QString, 8>& celle);
// The start columns of the detail's eight fields (1-based).
extern const std::array<int, 8> kColonneDettaglio;
// The column at which a title is centred on an 80-character line (at least 1).
int colonnaCentrata(const QString& testo);
