#include "consulta/frmConsultaEstrazioni.h"

// The find panels of the menu "Trova...": chosen numbers, sums and distances,
// each with its summary of what the redraws found.
#include "compat/ui/Colors.h"
#include "compat/ui/KeyEvents.h"
#include "compat/ui/ReportListView.h"
#include "compat/ui/Twips.h"
#include "consulta/Trova.h"
#include "core/Procedure.h"
#include "shell/Controlli.h"

#include <QAction>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyleOptionButton>
#include <algorithm>

using namespace compat;

namespace {

// The legend of target j as the form draws it (background, text).
constexpr std::array<std::array<quint32, 2>, 6> kLegenda{{
    {0x000000, 0x00FFFF},
    {0x0000C0, 0x00FFFF},
    {0xC00000, 0x00FFFF},
    {0x008000, 0x00FFFF},
    {0x00FFFF, 0x000000},
    {0xFFC0C0, 0x000040},
}};
constexpr double kTopObiettivi[] = {480, 900, 1320, 1740, 2160, 2580};

QLineEdit* campione(QWidget* padre, const QString& nome, const QString& testo, int j)
{
    auto* t = CreaControllo<QLineEdit>(padre, nome, testo);
    t->setReadOnly(true);
    t->setAlignment(Qt::AlignCenter);
    vbSetBackColor(t, kLegenda[size_t(j)][0]);
    vbSetForeColor(t, kLegenda[size_t(j)][1]);
    return t;
}

QGroupBox* pannello(QWidget* padre, const char* nome, const char* titolo, double top, double width,
                    double height)
{
    auto* f = CreaControllo<QGroupBox>(padre, QString::fromLatin1(nome), QString::fromUtf8(titolo));
    vbMove(f, 60, top, width, height);
    f->setVisible(false);
    return f;
}

// The number boxes stand as designed, ten to a row in 3850 twips and nine
// rows in 3510, when their captions fit at the font in use. Otherwise each
// box is as wide as its widest caption needs, a row holds as many as the
// designed width takes, the rows close up to the boxes' own height and the
// panel grows downwards for them, over the top of its summary at a large font,
// with every number whole.
void disponiNumeri(frmConsultaEstrazioni& f)
{
    constexpr double kLargoGriglia = 3850, kAltoGriglia = 3510, kAltoCasella = 330;
    double largoMinimo = 385, altoMinimo = 0;
    for (int n = 1; n <= 90; ++n) {
        QCheckBox* c = f.chkNumero[n];
        QStyleOptionButton o;
        o.initFrom(c);
        o.text = c->text();
        const int inizioTesto = c->style()->subElementRect(QStyle::SE_CheckBoxContents, &o, c).left();
        largoMinimo =
            std::max(largoMinimo, pxToTwips(inizioTesto + c->fontMetrics().horizontalAdvance(c->text()) + 1));
        altoMinimo = std::max(altoMinimo, pxToTwips(c->sizeHint().height()));
    }
    const int colonne = std::clamp(int(kLargoGriglia / largoMinimo), 1, 10);
    const int righe = (90 + colonne - 1) / colonne;
    const double passoX = kLargoGriglia / colonne;
    const double passoY = std::max(altoMinimo, kAltoGriglia / righe);
    // Whole pixels within the pitch, so that neighbours never overlap.
    auto pixelInteri = [](double twips) { return pxToTwips(int(twips / pxToTwips(1))); };
    const double largo = pixelInteri(passoX);
    const double alto = pixelInteri(std::max(altoMinimo, std::min(kAltoCasella, passoY)));
    for (int n = 0; n <= 90; ++n)   // box 0 falls left of the panel, out of sight
        vbMove(f.chkNumero[n], 120 + passoX * ((n - 1) % colonne), 300 + passoY * ((n - 1) / colonne), largo,
               alto);
    const double pulsanti = 300 + passoY * righe + 150;
    vbMove(f.cmdOk, 1020, pulsanti, 975, 405);
    vbMove(f.cmdElimina, 2100, pulsanti, 975, 405);
    vbSetHeight(f.fraTrovaNumeri, std::max(4500.0, pulsanti + 405 + 135));
}

// The numbers panel and its list.
void costruisciNumeri(frmConsultaEstrazioni& f, QWidget* corpo)
{
    f.fraTrovaNumeri = pannello(corpo, "fraTrovaNumeri", "Trova i seguenti numeri:", 600, 4020, 4500);
    for (int n = 0; n <= 90; ++n) {
        f.chkNumero[n] =
            CreaControllo<QCheckBox>(f.fraTrovaNumeri, NomeElemento("chkNumero", n), QString::number(n));
        vbSetForeColor(f.chkNumero[n], 0xC00000);
    }
    f.chkNumero[0]->setVisible(false);
    f.cmdOk = PulsanteImmagine(f.fraTrovaNumeri, QStringLiteral("cmdOk"), QStyle::SP_DialogOkButton, QString());
    f.cmdElimina = PulsanteImmagine(f.fraTrovaNumeri, QStringLiteral("cmdElimina"),
                                    QStyle::SP_DialogResetButton, QString());
    disponiNumeri(f);

    f.fraRiepilogoNumeri =
        pannello(corpo, "fraRiepilogoNumeri", "Riepilogo numeri rintracciati", 5760, 3915, 2235);
    f.ListViewNumeri = CreaControllo<ReportListView>(f.fraRiepilogoNumeri, QStringLiteral("ListViewNumeri"));
    f.ListViewNumeri->setColumnHeaders({QStringLiteral("N."), QStringLiteral("Sortite")});
    vbMove(f.ListViewNumeri, 120, 240, 2700, 1875);
    // Narrow columns of short numbers, both in sight without scrolling sideways.
    LarghezzeColonne(f.ListViewNumeri, f.ListViewNumeri->header(), {0, 0},
                     {QStringLiteral(" 90"), QStringLiteral("9999")});
    f.cmdEliminaNumeri = PulsanteImmagine(f.fraRiepilogoNumeri, QStringLiteral("cmdEliminaNumeri"),
                                          QStyle::SP_DialogResetButton, QString());
    vbMove(f.cmdEliminaNumeri, 2880, 1710, 975, 405);
}

// The sums and distances panels: six targets each, numbered, beside their colours.
void costruisciObiettivi(frmConsultaEstrazioni& f, QWidget* corpo)
{
    const struct {
        QGroupBox*& pannello;
        const char* nome;
        const char* titolo;
        std::array<QLineEdit*, 6>& caselle;
        const char* casella;
        int primoModello;   // the samples and labels of target k: primo + k - 1, or primo - k + 1
        int verso;
        QPushButton*& ok;
        const char* nomeOk;
        QPushButton*& elimina;
        const char* nomeElimina;
    } obiettivi[] = {
        {f.fraSomme, "fraSomme", "Trova le seguenti somme:", f.txtSommaTot, "txtSommaTot", 0, 1, f.cmdOkSomme,
         "cmdOkSomme", f.cmdEliminaSomme, "cmdEliminaSomme"},
        {f.fraDistanze, "fraDistanze", "Trova le seguenti distanze:", f.txtDistanzaTot, "txtDistanzaTot", 13, -1,
         f.cmdOkDistanze, "cmdOkDistanze", f.cmdEliminaDistanze, "cmdEliminaDistanze"},
    };
    for (const auto& o : obiettivi) {
        o.pannello = pannello(corpo, o.nome, o.titolo, 600, 3900, 3840);
        for (int j = 0; j <= 5; ++j) {
            const int m = o.primoModello + o.verso * j;
            auto* l = CreaControllo<QLabel>(o.pannello, NomeElemento("Label10", m), QString::number(j + 1));
            vbMove(l, 1020, kTopObiettivi[j], 315, 330);
            o.caselle[size_t(j)] = CreaControllo<QLineEdit>(o.pannello, NomeElemento(o.casella, j));
            vbMove(o.caselle[size_t(j)], 1380, kTopObiettivi[j], 675, 330);
            f.txtModello[size_t(m)] = campione(o.pannello, NomeElemento("txtModello", m), QStringLiteral("88"), j);
            vbMove(f.txtModello[size_t(m)], 2340, kTopObiettivi[j], 435, 330);
        }
        o.ok = PulsanteImmagine(o.pannello, QString::fromLatin1(o.nomeOk), QStyle::SP_DialogOkButton, QString());
        vbMove(o.ok, 1020, 3360, 975, 405);
        o.elimina = PulsanteImmagine(o.pannello, QString::fromLatin1(o.nomeElimina), QStyle::SP_DialogResetButton,
                                     QString());
        vbMove(o.elimina, 2100, 3360, 975, 405);
    }
    f.chkTrovaF90 =
        CreaControllo<QCheckBox>(f.fraSomme, QStringLiteral("chkTrovaF90"), QStringLiteral("Fuori 90"));
    vbMove(f.chkTrovaF90, 1020, 2985, 1500, 285);
}

// The sums and distances summaries: each target with its count.
void costruisciRiepiloghi(frmConsultaEstrazioni& f, QWidget* corpo)
{
    const struct {
        QGroupBox*& pannello;
        const char* nome;
        const char* titolo;
        std::array<QLineEdit*, 6>& caselle;
        const char* casella;
        std::array<QLabel*, 6>& totali;
        const char* totale;
        int primoUguale;
        QPushButton*& azzera;
        const char* nomeAzzera;
    } riepiloghi[] = {
        {f.fraRiepilogoSomme, "fraRiepilogoSomme", "Riepilogo somme rintracciate", f.txtRiepilogoSomma,
         "txtRiepilogoSomma", f.lblTotaleSomma, "lblTotaleSomma", 0, f.cmdAzzeraSomme, "cmdAzzeraSomme"},
        {f.fraRiepilogoDistanze, "fraRiepilogoDistanze", "Riepilogo distanze rintracciate", f.txtRiepilogoDistanza,
         "txtRiepilogoDistanza", f.lblTotaleDistanza, "lblTotaleDistanza", 6, f.cmdAzzeraDistanze,
         "cmdAzzeraDistanze"},
    };
    for (const auto& r : riepiloghi) {
        r.pannello = pannello(corpo, r.nome, r.titolo, 5760, 3915, 2235);
        for (int j = 0; j <= 5; ++j) {
            // Targets 1..3 on the left, 4..6 on the right.
            const double left = j <= 2 ? 240 : 2040;
            const double top = 300 + 420.0 * (j % 3);
            r.caselle[size_t(j)] = campione(r.pannello, NomeElemento(r.casella, j), QStringLiteral("0"), j);
            vbMove(r.caselle[size_t(j)], left, top, 675, 330);
            auto* uguale = CreaControllo<QLabel>(r.pannello, NomeElemento("Label11", r.primoUguale + j),
                                                 QStringLiteral("="));
            vbMove(uguale, left + 735, top, 195, 330);
            r.totali[size_t(j)] =
                CreaControllo<QLabel>(r.pannello, NomeElemento(r.totale, j), QStringLiteral("0"));
            vbMove(r.totali[size_t(j)], left + 960, top, 735, 330);
        }
        r.azzera =
            CreaControllo<QPushButton>(r.pannello, QString::fromLatin1(r.nomeAzzera), QStringLiteral("Azzera"));
        vbMove(r.azzera, 1440, 1680, 975, 375);
    }
}

} // namespace

void frmConsultaEstrazioni::costruisciTrova(QWidget* corpo)
{
    costruisciNumeri(*this, corpo);
    costruisciObiettivi(*this, corpo);
    costruisciRiepiloghi(*this, corpo);
}

void frmConsultaEstrazioni::collegaTrova()
{
    on(mnuMostraNumeri, &QAction::triggered, QStringLiteral("mnuMostraNumeri_Click"),
       [this] { mostraPannelli(fraTrovaNumeri, fraRiepilogoNumeri); });
    on(mnuMostraSomme, &QAction::triggered, QStringLiteral("mnuMostraSomme_Click"),
       [this] { mostraPannelli(fraSomme, fraRiepilogoSomme); });
    on(mnuMostraDistanze, &QAction::triggered, QStringLiteral("mnuMostraDistanze_Click"),
       [this] { mostraPannelli(fraDistanze, fraRiepilogoDistanze); });

    for (int n = 1; n <= 90; ++n)
        on(chkNumero[n], &QCheckBox::toggled, QStringLiteral("chkNumero_Click"), [this, n](bool spuntato) {
            vbSetForeColor(chkNumero[n], spuntato ? 0x0000FF : 0xFF0000);
        });
    on(cmdOk, &QPushButton::clicked, QStringLiteral("cmdOk_Click"), [this] {
        std::array<bool, 91> spuntati{};
        for (int n = 1; n <= 90; ++n)
            spuntati[size_t(n)] = chkNumero[n]->isChecked();
        ConfermaNumeri(Stato, spuntati);
        if (!Stato.TrovaNumeri)
            fraRiepilogoNumeri->setVisible(false);
        fraTrovaNumeri->setVisible(false);
        Visualizza();
    });
    // The chosen numbers stay active: only the boxes and the counts go.
    on(cmdElimina, &QPushButton::clicked, QStringLiteral("cmdElimina_Click"), [this] {
        for (int n = 1; n <= 90; ++n)
            chkNumero[n]->setChecked(false);
        ListViewNumeri->clear();
        Stato.PresenzeNumeri.fill(0);
    });
    on(cmdEliminaNumeri, &QPushButton::clicked, QStringLiteral("cmdEliminaNumeri_Click"), [this] {
        ListViewNumeri->clear();
        Stato.PresenzeNumeri.fill(0);
    });

    const struct {
        bool somme;
        std::array<QLineEdit*, 6>& caselle;
        QPushButton* ok;
        QPushButton* elimina;
        QPushButton* azzera;
    } obiettivi[] = {
        {true, txtSommaTot, cmdOkSomme, cmdEliminaSomme, cmdAzzeraSomme},
        {false, txtDistanzaTot, cmdOkDistanze, cmdEliminaDistanze, cmdAzzeraDistanze},
    };
    for (const auto& o : obiettivi) {
        const bool somme = o.somme;
        std::array<QLineEdit*, 6>* caselle = &o.caselle;
        QPushButton* ok = o.ok;
        QPushButton* elimina = o.elimina;
        for (QLineEdit* t : o.caselle) {
            onKeyPress(this, t, t->objectName() + QStringLiteral("_KeyPress"),
                       [](int tasto) { return SoloNumeri(tasto); });
            soloCifre(t);
            // The confirm reads the boxes itself and the clear empties them.
            convalidaUscendo(t, kIntervalloObiettivo, {ok, elimina});
        }
        on(ok, &QPushButton::clicked, ok->objectName() + QStringLiteral("_Click"),
           [this, caselle, somme] { confermaObiettivi(*caselle, somme); });
        const QString nomeElimina = elimina->objectName() + QStringLiteral("_Click");
        on(elimina, &QPushButton::clicked, nomeElimina, [this, caselle, somme] {
            for (QLineEdit* t : *caselle)
                t->clear();
            (somme ? Stato.SommeCercate : Stato.DistanzeCercate).fill(0);
        });
        on(o.azzera, &QPushButton::clicked, o.azzera->objectName() + QStringLiteral("_Click"), [this, somme] {
            (somme ? Stato.TotaleSomme : Stato.TotaleDistanze).fill(0);
            for (QLabel* l : somme ? lblTotaleSomma : lblTotaleDistanza)
                l->setText(QStringLiteral("0"));
        });
    }
}

// Shows one kind's panels and hides the others with their searches; the
// board is not redrawn, so marks of a search switched off stay until then.
void frmConsultaEstrazioni::mostraPannelli(QGroupBox* pannello, QGroupBox* riepilogo)
{
    const struct {
        QGroupBox* pannello;
        QGroupBox* riepilogo;
        bool* ricerca;
    } tipi[] = {
        {fraTrovaNumeri, fraRiepilogoNumeri, &Stato.TrovaNumeri},
        {fraSomme, fraRiepilogoSomme, &Stato.TrovaSomme},
        {fraDistanze, fraRiepilogoDistanze, &Stato.TrovaDistanze},
    };
    for (const auto& t : tipi)
        if (t.pannello != pannello) {
            t.pannello->setVisible(false);
            t.riepilogo->setVisible(false);
            *t.ricerca = false;
        }
    pannello->setVisible(true);
    riepilogo->setVisible(true);
    // The panel on top: grown at a large font, it covers its summary's top.
    riepilogo->raise();
    pannello->raise();
    if (pannello == fraSomme)
        txtSommaTot[0]->setFocus();
    else if (pannello == fraDistanze)
        txtDistanzaTot[0]->setFocus();
}

void frmConsultaEstrazioni::nascondiPannelliTrova()
{
    for (QGroupBox* f : {fraTrovaNumeri, fraRiepilogoNumeri, fraSomme, fraRiepilogoSomme, fraDistanze,
                         fraRiepilogoDistanze})
        f->setVisible(false);
}

// The sums or distances panel's confirm. Any small integer is a target, also
// one no sum or distance reaches; a box beyond that is refused and nothing changes.
void frmConsultaEstrazioni::confermaObiettivi(const std::array<QLineEdit*, 6>& caselle, bool somme)
{
    std::array<QString, 6> testi;
    for (size_t j = 0; j < testi.size(); ++j)
        testi[j] = caselle[j]->text();
    const ObiettiviLetti o = LeggiObiettivi(testi);
    if (o.rifiutato >= 0) {
        convalida(caselle[size_t(o.rifiutato)], kIntervalloObiettivo);
        return;
    }
    if (somme)
        ConfermaSomme(Stato, o);
    else
        ConfermaDistanze(Stato, o);
    for (size_t j = 0; j < testi.size(); ++j) {
        (somme ? txtRiepilogoSomma : txtRiepilogoDistanza)[j]->setText(QString::number(o.valori[j]));
        (somme ? lblTotaleSomma : lblTotaleDistanza)[j]->setText(QStringLiteral("0"));
    }
    if (!o.attiva)
        (somme ? fraRiepilogoSomme : fraRiepilogoDistanze)->setVisible(false);
    (somme ? fraSomme : fraDistanze)->setVisible(false);
    Visualizza();
}

void frmConsultaEstrazioni::ElencaNumeriTrovati()
{
    ListViewNumeri->clear();
    for (const auto& [numero, sortite] : NumeriTrovati(Stato)) {
        QTreeWidgetItem* r = ListViewNumeri->addItem(numero);
        ListViewNumeri->setSubItem(r, 1, sortite);
    }
}

void frmConsultaEstrazioni::mostraTotali()
{
    for (size_t j = 0; j < 6; ++j) {
        lblTotaleSomma[j]->setText(QString::number(Stato.TotaleSomme[j]));
        lblTotaleDistanza[j]->setText(QString::number(Stato.TotaleDistanze[j]));
    }
}
