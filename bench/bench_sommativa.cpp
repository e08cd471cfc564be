// Times the summative pairs search on the archive of the current folder (the
// build folder holds the bundled one), Bari, monthly index 1, ending on the
// last draw, one thread: one line per scenario, "name<TAB>fast seconds<TAB>
// literal engine seconds<TAB>peak memory growth of the fast runs in MB<TAB>fast
// processor seconds". The fast times are medians of five runs; both engines
// must give the same rows.
#include "RiferimentoSommativa.h"
#include "core/Archivio.h"
#include "core/ArchivioMemoria.h"
#include "core/CalendarioEstrazioni.h"
#include "sommativa/RicercaSommativa.h"

#include <QDir>
#include <QElapsedTimer>

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <functional>
#include <sys/resource.h>
#include <vector>

namespace {

double secondi(const std::function<void()>& f)
{
    QElapsedTimer t;
    t.start();
    f();
    return static_cast<double>(t.nsecsElapsed()) / 1e9;
}

// Processor time of the whole process: on a busy machine it tells more than the clock.
double cpu(const std::function<void()>& f)
{
    const std::clock_t inizio = std::clock();
    f();
    return double(std::clock() - inizio) / CLOCKS_PER_SEC;
}

long piccoKb()
{
    rusage u{};
    getrusage(RUSAGE_SELF, &u);
    return u.ru_maxrss;
}

} // namespace

int main()
{
    ArchivioEstrazioni archivio;
    const EsitoApertura aperto = archivio.apri(QDir::currentPath());
    if (!aperto.ok()) {
        std::fprintf(stderr, "%s\n", qPrintable(aperto.messaggio()));
        return 1;
    }
    const auto vista = ArchivioMemoria::costruisci(archivio);
    const CalendarioMensile calendario =
        costruisciIndiceMensile(archivio, QStringLiteral("NNYNYYY"));

    struct Scenario {
        const char* nome;
        int colpi, cicli, quanti;
    };
    const Scenario scenari[] = {{"S1", 5, 10, 50}, {"S2", 5, 99, 50}, {"S3", 99, 99, 999}};

    int esito = 0;
    for (const Scenario& s : scenari) {
        ParametriSommativa p;
        p.ruota = 1;
        p.lavoratori = 1;
        p.colpi = s.colpi;
        p.cicli = s.cicli;
        p.quanti = s.quanti;
        p.indice = SceltaIndice{1, calendario.massimo};
        p.fine = vista->numeroEstrazioni();
        const EsitoInizio inizio = calcolaNumeroIniziale(calendario, p.indice, p.fine, p.colpi,
                                                         p.cicli, vista->primaEstrazioneRuota(1));
        if (inizio.errore != EsitoInizio::Errore::Nessuno) {
            std::fprintf(stderr, "%s: %s\n", s.nome, qPrintable(inizio.messaggio()));
            return 1;
        }
        p.inizio = inizio.inizio;

        const long prima = piccoKb();
        EsitoSommativa veloce;
        std::vector<double> tempi, processore;
        for (int k = 0; k < 5; ++k)
            processore.push_back(cpu([&] {
                tempi.push_back(secondi([&] { veloce = cercaSommativa(*vista, calendario, p); }));
            }));
        std::sort(tempi.begin(), tempi.end());
        std::sort(processore.begin(), processore.end());
        const double memoria = double(piccoKb() - prima) / 1024.0;

        RiferimentoSommativa rif;
        const double tRif = secondi([&] {
            rif = sommativaRiferimento(*vista, calendario, p.ruota, p.colpi, p.cicli, p.quanti, 1,
                                       calendario.massimo, p.inizio, p.fine);
        });
        std::printf("%s\t%.4f\t%.3f\t%.1f\t%.4f\n", s.nome, tempi[2], tRif, memoria, processore[2]);
        std::fflush(stdout);

        bool uguali = veloce.cicli == rif.cicli && veloce.intestazioneNumeri == rif.intestazione
                      && veloce.righe.size() == rif.righe.size();
        for (size_t i = 0; uguali && i < veloce.righe.size(); ++i) {
            const RigaSommativa& x = veloce.righe[i];
            const auto& y = rif.righe[i];
            uguali = x.algoritmo == y.algoritmo && x.codice == y.codice
                     && x.casiPositivi == y.positivi && x.casiNegativi == y.negativi
                     && x.testoQuantita == y.quantita && x.numeriAl == y.numeriAl;
        }
        if (!uguali) {
            std::fprintf(stderr, "%s: the engines differ\n", s.nome);
            esito = 1;
        }
    }
    return esito;
}
