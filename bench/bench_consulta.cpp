// Times the consultation board on the archive of the current folder (the
// build folder holds the bundled one): one line per scenario, "name<TAB>fast
// seconds<TAB>literal seconds". The literal figures read the archive record by
// record as the board first did; both must give the same values.
//   C1  delays at the draw, all eleven wheels, at 1,000 random draws
//   C2  frequencies over the last 1,000 draws at 1,000 random end draws
//   C3  500 redraws of an offscreen board in delay mode at random draws
//       (literal: the delays of those redraws by the record-by-record scan)
#include "compat/ui/Controls.h"
#include "consulta/IndiceUscite.h"
#include "consulta/frmConsultaEstrazioni.h"
#include "core/Archivio.h"
#include "core/ArchivioMemoria.h"
#include "core/Impostazioni.h"
#include "shell/modArchivio.h"
#include "support/ui/FakePlatform.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QRadioButton>
#include <QSlider>
#include <QTemporaryDir>

#include <cstdio>
#include <functional>
#include <random>
#include <vector>

namespace {

double secondi(const std::function<void()>& f)
{
    QElapsedTimer t;
    t.start();
    f();
    return static_cast<double>(t.nsecsElapsed()) / 1e9;
}

// The backward scan of one wheel from draw `inizio`, reading `quante` records
// one by one, stopping once all 90 numbers were seen (checked every ten draws
// from the hundredth).
std::array<int, 91> ritardiLetterali(ArchivioEstrazioni& a, int ruota, qint32 inizio, qint32 quante)
{
    std::array<int, 91> ritardo{};
    std::array<bool, 91> visto{};
    int contati = 0, letti = 0, controllo = 0, visti = 0;
    while (letti < quante) {
        if (letti >= controllo + 100) {
            if (visti == 90)
                break;
            controllo += 10;
            continue;
        }
        const RecEstrazione r = a.leggi(inizio - letti);
        bool manca = false;
        for (int p = 1; p <= 5; ++p) {
            const int n = r.numero(ruota, p);
            if (n == 0 || n > 90) {
                manca = true;
                break;
            }
            if (!visto[n]) {
                ritardo[n] = contati;
                visto[n] = true;
                ++visti;
            }
        }
        contati += manca ? 0 : 1;
        ++letti;
    }
    for (int n = 1; n <= 90; ++n)
        if (!visto[n])
            ritardo[n] = contati;
    return ritardo;
}

int frequenzaLetterale(ArchivioEstrazioni& a, int ruota, int numero, qint32 da, qint32 fino)
{
    int c = 0;
    for (qint32 r = da; r <= fino; ++r) {
        const RecEstrazione rec = a.leggi(r);
        for (int p = 1; p <= 5; ++p) {
            const int n = rec.numero(ruota, p);
            if (n == 0 || n > 90)
                break;
            c += n == numero ? 1 : 0;
        }
    }
    return c;
}

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ArchivioEstrazioni archivio;
    const EsitoApertura aperto = archivio.apri(QDir::currentPath());
    if (!aperto.ok()) {
        std::fprintf(stderr, "%s\n", qPrintable(aperto.messaggio()));
        return 1;
    }
    const qint32 n = archivio.numeroEstrazioni();
    std::mt19937 gen(7);
    std::vector<qint32> estrazioni(1000);
    for (qint32& e : estrazioni)
        e = 1001 + qint32(gen() % quint32(n - 1000));
    int esito = 0;

    // C1, from the shared archive view: the delay tables of the eleven wheels.
    const auto vista = ArchivioMemoria::costruisci(archivio);
    std::vector<std::array<qint32, 91>> tabelle;
    tabelle.reserve(estrazioni.size() * 11);
    const double c1 = secondi([&] {
        for (qint32 e : estrazioni)
            for (int w = 1; w <= 11; ++w)
                tabelle.push_back(RitardiAllaEstrazione(*vista, w, e));
    });
    bool uguali = true;
    const double c1l = secondi([&] {
        size_t k = 0;
        for (qint32 e : estrazioni)
            for (int w = 1; w <= 11; ++w) {
                const auto r = ritardiLetterali(archivio, w, e - 1, e - 1);
                const auto& veloce = tabelle[k++];
                for (int x = 1; x <= 90; ++x)
                    uguali = uguali && r[x] == veloce[x];
            }
    });
    std::printf("C1\t%.4f\t%.3f\n", c1, c1l);
    if (!uguali) {
        std::fprintf(stderr, "C1: the delays differ\n");
        esito = 1;
    }

    // C2: the 55 cells of the end draw, counted over the 1,000 draws before it.
    const double c2 = secondi([&] {
        const auto ind = indiceUscite(vista);
        volatile qint64 somma = 0;
        for (qint32 e : estrazioni)
            for (int w = 1; w <= 11; ++w)
                for (int p = 1; p <= 5; ++p)
                    somma = somma + ind->frequenza(w, vista->numero(e, w, p), e - 999, e);
    });
    const auto ind = indiceUscite(vista);
    const double c2l = secondi([&] {
        for (size_t k = 0; k < estrazioni.size(); k += 50) {   // a sample: the full run takes minutes
            const qint32 e = estrazioni[k];
            for (int w = 1; w <= 11; ++w)
                for (int p = 1; p <= 5; ++p) {
                    const int x = vista->numero(e, w, p);
                    uguali = uguali && frequenzaLetterale(archivio, w, x, e - 999, e) ==
                                           ind->frequenza(w, x, e - 999, e);
                }
        }
    }) * 50;
    std::printf("C2\t%.4f\t%.3f\n", c2, c2l);
    if (!uguali) {
        std::fprintf(stderr, "C2: the counts differ\n");
        esito = 1;
    }
    std::fflush(stdout);

    // C3
    QTemporaryDir cartella;
    compat::FakePlatform fake;
    compat::FakePlatformScope scope{fake};
    fake.setFolder(QDir::currentPath());
    PercorsoApp = QDir::currentPath();
    IniImpostazioni().setFileName(cartella.filePath(QStringLiteral("Quorvane.ini")));
    Archivio().apri(PercorsoApp);
    AggiornaNumeroEstrazioni();
    CaricaNomiRuote();
    InizializzaPrimaEstrazioneRuota();
    auto* f = compat::Forms::create<frmConsultaEstrazioni>();
    f->vbShow();
    f->optTipoVis[1]->setChecked(true);
    const double c3 = secondi([&] {
        for (int k = 0; k < 500; ++k) {
            f->Slider1->setValue(estrazioni[size_t(k)]);
            QApplication::processEvents();
        }
    });
    const double c3l = secondi([&] {
        for (int k = 0; k < 500; ++k)
            for (int w = 1; w <= 11; ++w)
                ritardiLetterali(archivio, w, estrazioni[size_t(k)] - 1, estrazioni[size_t(k)] - 1);
    });
    std::printf("C3\t%.4f\t%.3f\n", c3, c3l);
    compat::vbUnload(f);
    return esito;
}
