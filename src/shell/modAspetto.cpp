#include "shell/modAspetto.h"

#include "compat/AppError.h"
#include "compat/vb.h"
#include "compat/ui/Colors.h"
#include "compat/ui/Form.h"
#include "core/TabellaImpostazioni.h"

#include <QAbstractItemView>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QTextEdit>
#include <QToolButton>
#include <cmath>
#include <optional>

using namespace compat;

std::array<QString, 3> ColoriForm;
std::array<quint32, 9> ColoriSfondoElenco{};
std::array<quint32, 9> ColoriTestoElenco{};
std::array<quint32, 12> ColoriRuoteElenco{};

namespace {

enum class Tipo { Contenitore, Modulo, Etichetta, Lista, Altro };

// Which colour a control takes; composite controls are leaves, so their
// inner line edits and scroll bars are never coloured on their own.
Tipo tipoDi(const QWidget* w)
{
    if (auto* l = qobject_cast<const QLabel*>(w))
        return l->pixmap().isNull() ? Tipo::Etichetta : Tipo::Altro;
    if (qobject_cast<const QLineEdit*>(w) || qobject_cast<const QTextEdit*>(w)
        || qobject_cast<const QPlainTextEdit*>(w) || qobject_cast<const QAbstractItemView*>(w)
        || qobject_cast<const QComboBox*>(w))
        return Tipo::Lista;
    if (qobject_cast<const QCheckBox*>(w) || qobject_cast<const QRadioButton*>(w))
        return Tipo::Modulo;
    if (auto* t = qobject_cast<const QToolButton*>(w))
        return t->isCheckable() ? Tipo::Modulo : Tipo::Altro;
    // The scroll area holds the controls of a window cut to the screen.
    if (qobject_cast<const QGroupBox*>(w) || qobject_cast<const QScrollArea*>(w))
        return Tipo::Contenitore;
    const QByteArray classe = w->metaObject()->className();
    if (classe == "QWidget" || classe == "QFrame")
        return Tipo::Contenitore;
    return Tipo::Altro;
}

struct Colori {
    std::optional<quint32> form, etichette, liste;
};

void colora(QWidget* padre, const Colori& c, bool coloraListe)
{
    for (QObject* o : padre->children()) {
        auto* w = qobject_cast<QWidget*>(o);
        if (!w || w->isWindow())
            continue;
        vbResumeNext([&] {
            switch (tipoDi(w)) {
            case Tipo::Contenitore:
                if (c.form)
                    vbSetBackColor(w, *c.form);
                colora(w, c, coloraListe);
                break;
            case Tipo::Modulo:
                if (c.form)
                    vbSetBackColor(w, *c.form);
                break;
            case Tipo::Etichetta:
                if (c.etichette)
                    vbSetBackColor(w, *c.etichette);
                break;
            case Tipo::Lista:
                if (coloraListe && c.liste)
                    vbSetBackColor(w, *c.liste);
                break;
            case Tipo::Altro:
                break;
            }
        });
    }
}

template <class T>
T* controllo(QWidget* frm, const QString& nome)
{
    return findControl<T>(frm, nome);
}

void suggerimento(QWidget* frm, const QString& nome, const QString& testo)
{
    if (auto* w = controllo<QWidget>(frm, nome))
        w->setToolTip(testo);
}

} // namespace

std::optional<quint32> ColoreDaTesto(const QString& testo)
{
    // As a text given to BackColor: a number (Italian form), whole, in range.
    try {
        const double v = vbCDbl(testo);
        const qint32 n = vbCLng(v);
        if (n < 0 || n > 0xFFFFFF)
            return std::nullopt;
        return quint32(n);
    } catch (const AppError&) {
        return std::nullopt;
    }
}

void ImpostaForm(Form* frm)
{
    ColoriForm[0] = leggi(imp::ColoreForm);
    ColoriForm[1] = leggi(imp::ColoreEtichette);
    ColoriForm[2] = leggi(imp::ColoreListe);
    if (!frm)
        return;

    vbResumeNext([&] {
        if (auto* b = controllo<QPushButton>(frm, QStringLiteral("cmdCalcola")))
            frm->setDefaultButton(b);
        else if (auto* ok = controllo<QPushButton>(frm, QStringLiteral("cmdOk")))
            frm->setDefaultButton(ok);
    });

    const Colori c{ColoreDaTesto(ColoriForm[0]), ColoreDaTesto(ColoriForm[1]),
                   ColoreDaTesto(ColoriForm[2])};
    vbResumeNext([&] {
        colora(frm, c, frm->objectName() != u"frmConsultaEstrazioni");
    });
    vbResumeNext([&] {
        if (c.form)
            vbSetBackColor(frm, *c.form);
    });

    static const struct {
        const char* nome;
        const char* testo;
    } standard[] = {
        {"cmdHelp", "Spiegazioni dettagliate sul form attuale"},
        {"cmdEsci", "Esci senza modificare nulla"},
        {"cmdCalcola", "Elabora la statistica con i parametri indicati"},
        {"cmdStampa", "Stampa i risultati della ricerca effettuata"},
        {"cmdPrintToFile", "Scrive i risultati della ricerca effettuata in un file di testo"},
        {"cmdAnnulla", "Annulla"},
        {"cmdOk", "Conferma"},
        {"cmdGioca", "Inserisci la giocata in archivio oppure stampa la bolletta"},
        {"chkRuota_0", "Tutte le ruote (esclusa Nazionale)"},
        {"chkRuota_1", "Ruota di Bari"},
        {"chkRuota_2", "Ruota di Cagliari"},
        {"chkRuota_3", "Ruota di Firenze"},
        {"chkRuota_4", "Ruota di Genova"},
        {"chkRuota_5", "Ruota di Milano"},
        {"chkRuota_6", "Ruota di Napoli"},
        {"chkRuota_7", "Ruota di Palermo"},
        {"chkRuota_8", "Ruota di Roma"},
        {"chkRuota_9", "Ruota di Torino"},
        {"chkRuota_10", "Ruota di Venezia"},
        {"chkRuota_11", "Ruota Nazionale"},
        {"chkPosDet", "Seleziona la ricerca in posizione determinata"},
        {"chkPosizione_1", "Posizione determinata 1"},
        {"chkPosizione_2", "Posizione determinata 2"},
        {"chkPosizione_3", "Posizione determinata 3"},
        {"chkPosizione_4", "Posizione determinata 4"},
        {"chkPosizione_5", "Posizione determinata 5"},
    };
    for (const auto& t : standard)
        vbResumeNext([&] {
            suggerimento(frm, QString::fromLatin1(t.nome), QString::fromUtf8(t.testo));
        });
}

void InizializzaColoriElenco()
{
    ColoriSfondoElenco = {0x000000, 0x0000C0, 0xFF0000, 0x008000, 0x00FFFF,
                          0xC0C0FF, 0xC0C0C0, 0xFF00FF, 0x0080FF};
    ColoriTestoElenco = {0x00FFFF, 0x00FFFF, 0x00FFFF, 0x00FFFF, 0x000000,
                         0x000000, 0x000000, 0x00FFFF, 0x000000};
    ColoriRuoteElenco = {0,        0xFFFFFF, 0xC0C0FF, 0xC0E0FF, 0xC0FFFF, 0xC0FFC0,
                         0xFFFFC0, 0xFFC0C0, 0xFFC0FF, 0xE0E0E0, 0x8080FF, 0x80C0FF};
}
