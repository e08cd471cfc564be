// Times the method search on the archive of the current folder (the build
// folder holds the bundled one): one line per scenario, "name<TAB>fast
// seconds<TAB>literal engine seconds". The fast time is the median of five
// runs, each reading the archive; both engines must give the same rows.
#include "RiferimentoAbbinamenti.h"
#include "RiferimentoBacktest.h"
#include "RiferimentoMetodi.h"
#include "metodi/Abbinamenti.h"
#include "metodi/Backtest.h"
#include "metodi/TestiBacktest.h"
#include "metodi/RicercaMetodi.h"
#include "metodi/RicercaMultiRuota.h"
#include "core/Archivio.h"
#include "core/ArchivioMemoria.h"
#include "core/CalendarioEstrazioni.h"
#include "core/Restrizioni.h"

#include <QDir>
#include <QElapsedTimer>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

struct Scenario {
    const char* nome;
    std::function<void(ParametriRicerca&)> opzioni;
};

double secondi(const std::function<void()>& f)
{
    QElapsedTimer t;
    t.start();
    f();
    return static_cast<double>(t.nsecsElapsed()) / 1e9;
}

} // namespace

int main(int argc, char** argv)
{
    // Scenario names on the command line run only those.
    auto scelto = [&](const char* nome) {
        if (argc < 2)
            return true;
        for (int i = 1; i < argc; ++i)
            if (QByteArrayView(argv[i]) == nome)
                return true;
        return false;
    };
    // "--rapido": the automatic searches once, without the literal column.
    const bool rapido = scelto("--rapido") && argc > 1;
    // "--letterale": the literal column alone (its sample not checked).
    const bool letterale = scelto("--letterale") && argc > 1;
    ArchivioEstrazioni archivio;
    const EsitoApertura aperto = archivio.apri(QDir::currentPath());
    if (!aperto.ok()) {
        std::fprintf(stderr, "%s\n", qPrintable(aperto.messaggio()));
        return 1;
    }
    const CalendarioMensile calendario =
        costruisciIndiceMensile(archivio, QStringLiteral("NNYNYNY"));
    const Restrizioni restrizioni;

    auto dieci = [](ParametriRicerca& p) {
        for (int w = 1; w <= 10; ++w)
            p.ruoteRicerca[w] = p.ruoteGioco[w] = true;
        p.colpi = 6;
    };
    const Scenario scenari[] = {
        {"B1",
         [&](ParametriRicerca& p) {
             dieci(p);
             p.valoreSpia = 7;
         }},
        {"B2",
         [&](ParametriRicerca& p) {
             dieci(p);
             p.tuttiIValori = true;
         }},
        {"B2s",
         [&](ParametriRicerca& p) {
             dieci(p);
             p.tuttiIValori = true;
             p.thread = 1;
         }},
        {"B3",
         [&](ParametriRicerca& p) {
             dieci(p);
             p.ruoteRicerca[11] = p.ruoteGioco[11] = true;
             p.tipoSpia = TipoSpia::Somma;
             p.tuttiIValori = true;
             p.colpi = 30;
         }},
    };

    int esito = 0;
    QString metodoB3;
    for (const Scenario& s : scenari) {
        if (!scelto(s.nome))
            continue;
        ParametriRicerca p;
        p.estrazioneInizio = 1;
        p.estrazioneFine = archivio.numeroEstrazioni();
        s.opzioni(p);
        const ParametriRicerca raccolti = p;
        if (!controllaParametri(p).ok()) {
            std::fprintf(stderr, "%s: parameters refused\n", s.nome);
            return 1;
        }
        EsitoRicerca veloce;
        std::vector<double> tempi;
        for (int k = 0; k < 5; ++k)
            tempi.push_back(
                secondi([&] {
                    veloce = cercaMetodi(*ArchivioMemoria::costruisci(archivio), restrizioni,
                                         calendario, p);
                }));
        std::sort(tempi.begin(), tempi.end());
        EsitoRicerca rif;
        const double tRif =
            secondi([&] { rif = cercaMetodiRiferimento(archivio, restrizioni, calendario, raccolti); });
        std::printf("%s\t%.4f\t%.3f\n", s.nome, tempi[2], tRif);
        std::fflush(stdout);
        if (QByteArrayView(s.nome) == "B3" && !veloce.righe.empty())
            metodoB3 = veloce.righe.front().codice;
        const QString diff = differenzaEsiti(veloce, rif);
        if (!diff.isEmpty()) {
            std::fprintf(stderr, "%s: the engines differ: %s\n", s.nome, qPrintable(diff));
            esito = 1;
        }
    }
    // B4, B5: the automatic search. The literal column times the literal
    // search on a sample of the runs (each checked against the fast rows) and
    // extrapolates to all of them.
    struct Automatica {
        const char* nome;
        int ricercaInsieme, giocoInsieme;
        bool nazionale;
        TipoSpia tipo;
        int campione;
    };
    const Automatica automatiche[] = {
        {"B4", 1, 1, false, TipoSpia::Numero, 3},
        {"B5", 2, 3, true, TipoSpia::Somma, 1},
    };
    for (const Automatica& a : automatiche) {
        if (!scelto(a.nome))
            continue;
        std::array<bool, 12> ruote{};
        for (int w = 1; w <= (a.nazionale ? 11 : 10); ++w)
            ruote[w] = true;
        const std::vector<CombinazioneRuote> runs =
            combinazioniMultiRuota(ruote, ruote, a.ricercaInsieme, a.giocoInsieme);
        ParametriRicerca base;
        base.tipoSpia = a.tipo;
        base.tuttiIValori = true;
        base.colpi = 6;
        base.estrazioneInizio = 1;
        base.estrazioneFine = archivio.numeroEstrazioni();
        OpzioniMultiRuota o;
        o.righe = 3;
        o.chiaveOrdinamento = 2;   // the list sorted on "% Presenze", highest first
        o.decrescente = true;
        EsitoMultiRuota veloce;
        std::vector<double> tempi;
        for (int k = 0; k < (letterale ? 0 : rapido ? 1 : 3); ++k)
            tempi.push_back(secondi([&] {
                veloce = cercaMultiRuota(*ArchivioMemoria::costruisci(archivio), restrizioni,
                                         calendario, base, runs, o);
            }));
        std::sort(tempi.begin(), tempi.end());
        const int nRun = static_cast<int>(runs.size());
        if (tempi.empty())
            tempi.push_back(0);
        if (!letterale && veloce.completate != nRun) {
            std::fprintf(stderr, "%s: %d of %d runs\n", a.nome, veloce.completate, nRun);
            esito = 1;
        }
        double tCampione = 0;
        for (int c = 0; c < (rapido ? 0 : a.campione); ++c) {
            const int r = static_cast<int>(qint64(c) * nRun / a.campione);
            ParametriRicerca p = base;
            p.ruoteRicerca = runs[size_t(r)].ricerca;
            p.ruoteGioco = runs[size_t(r)].gioco;
            EsitoRicerca rif;
            tCampione += secondi(
                [&] { rif = cercaMetodiRiferimento(archivio, restrizioni, calendario, p); });
            const std::vector<RigaRisultato> attese = primeRighe(rif.righe, o);
            std::vector<const RigaMulti*> trovate;
            for (const RigaMulti& m : veloce.righe)
                if (m.combinazione == r)
                    trovate.push_back(&m);
            bool uguali = trovate.size() == attese.size();
            for (size_t i = 0; uguali && i < attese.size(); ++i)
                uguali = trovate[i]->riga.codice == attese[i].codice
                         && trovate[i]->riga.percentuale == attese[i].percentuale
                         && trovate[i]->riga.presenzeQuantita == attese[i].presenzeQuantita;
            if (!uguali && !letterale) {
                std::fprintf(stderr, "%s: run %d differs from the literal search\n", a.nome, r);
                esito = 1;
            }
        }
        std::printf("%s\t%.4f\t%.1f\t(%d runs, %zu rows; literal: %d runs timed, %.1f s, "
                    "times %d/%d)\n",
                    a.nome, tempi[tempi.size() / 2], tCampione * nRun / a.campione, nRun, veloce.righe.size(),
                    a.campione, tCampione, nRun, a.campione);
        std::fflush(stdout);
    }

    if (!scelto("B3") || !scelto("B6"))
        return esito;
    if (metodoB3.isEmpty()) {
        std::fprintf(stderr, "B6: B3 found no method\n");
        return 1;
    }

    // B6: the win details of B3's top method over the whole archive (play
    // wheels the ten and the Nazionale, colpi 30): the engine, then every
    // cell of the detail list formatted, as the list shows it.
    ParametriBacktest b;
    b.codice = metodoB3;
    b.colpi = 30;
    b.posizioniValidita = {false, true, true, true, true, true};
    for (int w = 1; w <= 11; ++w)
        b.ruoteRicerca[w] = b.ruoteGioco[w] = true;
    b.estrazioneInizio = 1;
    b.estrazioneFine = archivio.numeroEstrazioni();
    const QString validita = testoValidita(b.posizioniValidita);
    EsitoBacktest dettaglio;
    std::vector<double> tempi;
    qint64 caratteri = 0;
    for (int k = 0; k < 5; ++k)
        tempi.push_back(secondi([&] {
            dettaglio = eseguiBacktest(ArchivioMemoria::costruisci(archivio), restrizioni,
                                       calendario, b, validita);
            for (size_t r = 0; r < dettaglio.righe.size(); ++r)
                for (int c = 0; c < 9; ++c)
                    caratteri += dettaglio.cella(r, c).size();
        }));
    std::sort(tempi.begin(), tempi.end());
    EsitoRiferimentoBacktest rif;
    const double tRif = secondi(
        [&] { rif = backtestRiferimento(archivio, restrizioni, calendario, b, b.posizioniValidita); });
    std::printf("B6\t%.4f\t%.3f\t(%zu rows, %lld characters)\n", tempi[2], tRif,
                dettaglio.righe.size(), static_cast<long long>(caratteri / 5));
    const QString diff = differenzaBacktest(dettaglio, rif);
    if (!diff.isEmpty()) {
        std::fprintf(stderr, "B6: the engines differ: %s\n", qPrintable(diff));
        esito = 1;
    }

    // B7: the paired algorithms of B3's top method over the whole archive,
    // 14 asked, colpi 30, search and play wheels the ten and the Nazionale;
    // the rows as the list shows them.
    ParametriAlgoAbbinati a;
    a.codice = leggiCodiceCapogioco(metodoB3);
    a.colpi = 30;
    a.estrazioneInizio = 1;
    a.estrazioneFine = archivio.numeroEstrazioni();
    a.ruoteRicerca = a.ruoteGioco = b.ruoteGioco;
    constexpr int kQuanti = 14;
    QStringList righe, codici;
    tempi.clear();
    for (int k = 0; k < 5; ++k)
        tempi.push_back(secondi([&] {
            const EsitoAlgoAbbinati e =
                cercaAlgoritmiAbbinati(*ArchivioMemoria::costruisci(archivio), restrizioni, a);
            righe.clear();
            codici.clear();
            for (size_t j = 0; j < e.candidati.size() && j < size_t(kQuanti); ++j) {
                righe << rigaAlgoritmoAbbinato(e.candidati[j], e.uscite);
                codici << e.candidati[j].codice();
            }
        }));
    std::sort(tempi.begin(), tempi.end());
    RiferimentoAlgoAbbinati rifA;
    const double tRifA = secondi([&] {
        rifA = algoAbbinatiRiferimento(archivio, restrizioni, metodoB3, a.colpi, a.estrazioneInizio,
                                       a.estrazioneFine, false, 0, a.ruoteRicerca, a.ruoteGioco, kQuanti);
    });
    std::printf("B7\t%.4f\t%.3f\t(%lld rows)\n", tempi[2], tRifA, static_cast<long long>(righe.size()));
    if (righe != rifA.righe || codici != rifA.codici) {
        std::fprintf(stderr, "B7: the engines differ\n");
        esito = 1;
    }
    return esito;
}
