#pragma once
// The summative pairs results and detail as fixed-column text: the lines of
// the two text files and of the two printed reports, with their page breaks.
#include "compat/TextOutput.h"

#include <QString>
#include <QStringList>
#include <array>
#include <vector>

// What a run was: shown above both tables.
struct DescrizioneSimulazione {
    QString dataInizio;   // empty when the start could not be computed
    QString dataFine;
    QString nomeRuota;    // padded to 10 characters
    QString indice;       // "1".., "Ultima"
    QString cicli;
    QString colpi;
};

// Algoritmo, Casi positivi, Casi negativi, Quantità, Numeri al.
using RigaRisultato = std::array<QString, 5>;
// Data previsione, Numeri in gioco, Esito.
using RigaDettaglioTesto = std::array<QString, 3>;

// " Intervallo di simulazione     : dal ..", " Ruota ..", " Tipo giocate ..".
QStringList righeDescrizione(const DescrizioneSimulazione& d);
// " " + caption without outer blanks + " dal " + da + " al " + a.
QString rigaDescrizioneDettaglio(const QString& didascalia, const QString& da, const QString& a);

QStringList fileRisultati(const DescrizioneSimulazione& d, const QString& intestazioneNumeri,
                          const std::vector<RigaRisultato>& righe);
QStringList fileDettaglio(const DescrizioneSimulazione& d, const QString& descrizioneDettaglio,
                          const std::vector<RigaDettaglioTesto>& righe);

using RigaStampa = compat::PrintedLine;
// All copies, each on its own pages.
std::vector<RigaStampa> stampaRisultati(const DescrizioneSimulazione& d,
                                        const QString& intestazioneNumeri,
                                        const std::vector<RigaRisultato>& righe, int copie);
std::vector<RigaStampa> stampaDettaglio(const DescrizioneSimulazione& d,
                                        const QString& descrizioneDettaglio,
                                        const std::vector<RigaDettaglioTesto>& righe, int copie);
