#include "shell/Controlli.h"

#include "compat/AppError.h"
#include "compat/ui/Controls.h"
#include "compat/ui/Form.h"
#include "compat/ui/Twips.h"
#include "compat/vb.h"
#include "core/Archivio.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QDateEdit>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QStyleOptionViewItem>
#include <QToolButton>
#include <QValidator>
#include <algorithm>
#include <cmath>
#include <limits>

using namespace compat;

QString NomeElemento(const char* base, int i)
{
    return QStringLiteral("%1_%2").arg(QLatin1String(base)).arg(i);
}

DatePicker* creaData(QWidget* padre, const QString& nome)
{
    auto* d = CreaControllo<DatePicker>(padre, nome);
    d->setLocale(QLocale(QLocale::Italian, QLocale::Italy));
    return d;
}

QComboBox* creaCombo(QWidget* padre, const QString& nome, bool modificabile)
{
    auto* c = CreaControllo<QComboBox>(padre, nome);
    c->setEditable(modificabile);
    // The completer an editable combo gets would fill in the first item that
    // starts with what was typed.
    if (modificabile)
        c->setCompleter(nullptr);
    c->setInsertPolicy(QComboBox::NoInsert);
    return c;
}

QPushButton* PulsanteImmagine(QWidget* padre, const QString& nome, QStyle::StandardPixmap icona,
                              const QString& suggerimento)
{
    auto* b = new QPushButton(padre);
    b->setObjectName(nome);
    b->setIcon(padre->style()->standardIcon(icona));
    b->setIconSize(QSize(24, 24));
    b->setToolTip(suggerimento);
    return b;
}

QHBoxLayout* PulsantiConferma(Form* f, QPushButton*& cmdOk, QPushButton*& cmdAnnulla,
                              QPushButton*& cmdHelp)
{
    cmdOk = PulsanteImmagine(f, QStringLiteral("cmdOk"), QStyle::SP_DialogOkButton,
                             QStringLiteral("Conferma"));
    cmdAnnulla = PulsanteImmagine(f, QStringLiteral("cmdAnnulla"), QStyle::SP_DialogCancelButton,
                                  QStringLiteral("Annulla"));
    cmdHelp = PulsanteImmagine(f, QStringLiteral("cmdHelp"), QStyle::SP_DialogHelpButton,
                               QStringLiteral("Spiegazioni dettagliate sul form attuale"));
    f->setDefaultButton(cmdOk);
    auto* riga = new QHBoxLayout;
    riga->addStretch();
    riga->addWidget(cmdOk);
    riga->addWidget(cmdAnnulla);
    riga->addWidget(cmdHelp);
    return riga;
}

QHBoxLayout* PulsantiUscita(Form* f, QPushButton*& cmdStampa, QPushButton*& cmdPrintToFile,
                            QPushButton* esci)
{
    cmdStampa = PulsanteImmagine(f, QStringLiteral("cmdStampa"), QStyle::SP_FileDialogDetailedView,
                                 QString());
    cmdPrintToFile = PulsanteImmagine(f, QStringLiteral("cmdPrintToFile"),
                                      QStyle::SP_DialogSaveButton, QString());
    auto* riga = new QHBoxLayout;
    riga->addWidget(cmdStampa);
    riga->addWidget(cmdPrintToFile);
    riga->addStretch();
    if (esci)
        riga->addWidget(esci);
    return riga;
}

void LarghezzeColonne(QAbstractItemView* lista, QHeaderView* intestazione, const std::vector<int>& twips,
                      const QStringList& campioni)
{
    // A value is measured as the list's own cells measure their text.
    QStyleOptionViewItem cella;
    cella.initFrom(lista);
    cella.font = lista->font();
    cella.fontMetrics = QFontMetrics(cella.font);
    cella.features = QStyleOptionViewItem::HasDisplay;
    cella.displayAlignment = Qt::AlignLeft | Qt::AlignVCenter;
    for (int c = 0; c < int(twips.size()); ++c) {
        int larghezza = std::max(twipsToPx(twips[size_t(c)]), intestazione->sectionSizeHint(c));
        if (c < campioni.size() && !campioni[c].isEmpty()) {
            cella.text = campioni[c];
            const QSize misura = lista->style()->sizeFromContents(QStyle::CT_ItemViewItem, &cella, QSize(), lista);
            larghezza = std::max(larghezza, misura.width());
        }
        intestazione->resizeSection(c, larghezza);
    }
}

void ColonneInVista(QAbstractItemView* lista, const QHeaderView* intestazione)
{
    const int serve = intestazione->length() + 2 * lista->frameWidth() +
                      lista->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, lista);
    lista->setMinimumWidth(std::max(lista->minimumWidth(), serve));
}

void AllargaPerTesto(QWidget* w, const QString& testo, std::initializer_list<QWidget*> seguenti)
{
    const int manca = w->fontMetrics().horizontalAdvance(testo) - w->contentsRect().width();
    if (manca <= 0)
        return;
    w->resize(w->width() + manca, w->height());
    for (QWidget* s : seguenti)
        s->move(s->x() + manca, s->y());
}

// ---------------------------------------------------------------------------
// Wheel boxes

namespace {

QPixmap disegnaRuota(const QString& sigla, const QColor& fondo)
{
    QPixmap p(28, 28);
    p.fill(Qt::transparent);
    QPainter g(&p);
    g.setRenderHint(QPainter::Antialiasing);
    g.setPen(QPen(QColor(90, 90, 90), 1));
    g.setBrush(fondo);
    g.drawEllipse(QRectF(1.5, 1.5, 25, 25));
    QFont f = g.font();
    f.setPixelSize(10);
    f.setBold(true);
    g.setFont(f);
    g.setPen(Qt::black);
    g.drawText(QRect(0, 0, 28, 28), Qt::AlignCenter, sigla);
    return p;
}

const QIcon& iconaRuota(int i)
{
    static std::array<QIcon, 12> icone;
    QIcon& icona = icone[i];
    if (icona.isNull()) {
        icona.addPixmap(immagineRuota(i, false), QIcon::Normal, QIcon::Off);
        icona.addPixmap(immagineRuota(i, true), QIcon::Normal, QIcon::On);
    }
    return icona;
}

} // namespace

QPixmap immagineRuota(int i, bool gialla)
{
    static std::array<std::array<QPixmap, 2>, 12> immagini;
    if (i < 0 || i > 11)
        return {};
    QPixmap& p = immagini[i][gialla ? 1 : 0];
    if (p.isNull())
        p = disegnaRuota(siglaRuota(i), gialla ? QColor(255, 220, 0) : QColor(225, 225, 225));
    return p;
}

std::array<QToolButton*, 12> creaCaselleRuote(QWidget* padre, const QString& prefisso,
                                              QGridLayout* griglia, int riga)
{
    std::array<QToolButton*, 12> caselle{};
    for (int i = 0; i <= 11; ++i) {
        QToolButton* b = CreaControllo<QToolButton>(padre, prefisso + u'_' + QString::number(i));
        b->setCheckable(true);
        b->setText(i == 0 ? QStringLiteral("Tutte") : siglaRuota(i));
        b->setToolTip(nomeRuota(i).trimmed());
        b->setIcon(iconaRuota(i));
        b->setIconSize(immagineRuota(i, false).size());
        b->setToolButtonStyle(Qt::ToolButtonIconOnly);
        caselle[i] = b;
        if (griglia)
            griglia->addWidget(b, riga, i);
    }
    return caselle;
}

void SpuntaRuota(const CaselleRuote& caselle, int i, bool valore)
{
    if (i >= 0 && i <= 11 && caselle[i])
        caselle[i]->setChecked(valore);
}

bool RuotaSpuntata(const CaselleRuote& caselle, int i)
{
    return i >= 0 && i <= 11 && caselle[i] && caselle[i]->isChecked();
}

void SpuntaRuoteDaFlag(const CaselleRuote& caselle, const QString& flag)
{
    const bool tutte = vbLeft(flag, 10) == u"YYYYYYYYYY";
    SpuntaRuota(caselle, 0, tutte);
    for (int i = 1; i <= 10; ++i)
        SpuntaRuota(caselle, i, !tutte && vbMid(flag, i, 1) == u"Y");
    SpuntaRuota(caselle, 11, vbRight(flag, 1) == u"Y");
}

QString FlagDaRuoteSpuntate(const CaselleRuote& caselle, int indice)
{
    if (indice == 0 && RuotaSpuntata(caselle, 0)) {
        for (int i = 1; i <= 10; ++i)
            SpuntaRuota(caselle, i, false);
    } else if (indice != 11) {
        SpuntaRuota(caselle, 0, false);
    }
    QString flag;
    if (RuotaSpuntata(caselle, 0)) {
        flag = RuotaSpuntata(caselle, 11) ? QStringLiteral("YYYYYYYYYYY")
                                          : QStringLiteral("YYYYYYYYYYN");
    } else {
        for (int i = 1; i <= 11; ++i)
            flag += RuotaSpuntata(caselle, i) ? u'Y' : u'N';
    }
    if (flag == u"NNNNNNNNNNN")
        flag = QStringLiteral("YYYYYYYYYYN");
    return flag;
}

// ---------------------------------------------------------------------------
// Period block

BloccoPeriodo creaBloccoPeriodo(QWidget* riquadro, QWidget* inizio)
{
    BloccoPeriodo b;
    b.griglia = new QGridLayout(riquadro);
    b.DTPickerDa = creaData(riquadro, QStringLiteral("DTPickerDa"));
    b.DTPickerA = creaData(riquadro, QStringLiteral("DTPickerA"));
    b.griglia->addWidget(inizio ? inizio : new QLabel(QStringLiteral("Dal"), riquadro), 0, 0);
    b.griglia->addWidget(b.DTPickerDa, 0, 1);
    b.griglia->addWidget(new QLabel(QStringLiteral("al"), riquadro), 0, 3);
    b.griglia->addWidget(b.DTPickerA, 0, 4);
    return b;
}

// ---------------------------------------------------------------------------
// Typed access

ControlliAnalisi controlliAnalisi(QWidget* w)
{
    if (auto* f = dynamic_cast<FinestraAnalisi*>(w))
        return f->controlliAnalisi();
    return {};
}

void scriviTesto(QWidget* casella, const QString& testo)
{
    if (auto* t = qobject_cast<QLineEdit*>(casella))
        vbSetText(t, testo);
    else if (auto* l = qobject_cast<QLabel*>(casella))
        l->setText(testo);
}

// ---------------------------------------------------------------------------
// Names and numbers

QString nomeGiorno(int giorno)
{
    static const char* const giorni[] = {"Domenica", "Lunedì",  "Martedì", "Mercoledì",
                                         "Giovedì",  "Venerdì", "Sabato"};
    return giorno >= 1 && giorno <= 7 ? QString::fromUtf8(giorni[giorno - 1]) : QString();
}

QString nomeMese(int mese)
{
    static const char* const mesi[] = {"Gennaio", "Febbraio", "Marzo",     "Aprile",
                                       "Maggio",  "Giugno",   "Luglio",    "Agosto",
                                       "Settembre", "Ottobre", "Novembre", "Dicembre"};
    return mese >= 1 && mese <= 12 ? QString::fromUtf8(mesi[mese - 1]) : QString();
}

double numeroDigitato(const QString& testo)
{
    try {
        return vbVal(testo);
    } catch (const AppError&) {
        // Only an exponent past the largest Double overflows Val.
        const bool negativo = testo.trimmed().startsWith(u'-');
        return negativo ? -std::numeric_limits<double>::max() : std::numeric_limits<double>::max();
    }
}

std::optional<int> interoDigitato(const QString& testo)
{
    const double v = numeroDigitato(testo);
    // Exactly the values CInt takes: -32768.5 rounds to even, 32767.5 does not.
    if (!std::isfinite(v) || v < -32768.5 || v >= 32767.5)
        return std::nullopt;
    return vbCInt(v);
}

int interoDigitatoOZero(const QString& testo)
{
    return interoDigitato(testo).value_or(0);
}

namespace {

class ValidatoreCifre final : public QValidator {
public:
    ValidatoreCifre(QObject* padre, QString altri) : QValidator(padre), altri_(std::move(altri)) {}
    State validate(QString& testo, int& pos) const override
    {
        const QString cifre = testo.trimmed();
        for (QChar c : cifre)
            if ((c < u'0' || c > u'9') && !altri_.contains(c))
                return Invalid;
        if (cifre.size() != testo.size()) {
            const int prima = int(testo.indexOf(cifre));
            pos = std::clamp(pos - prima, 0, int(cifre.size()));
            testo = cifre;
        }
        return Acceptable;
    }

private:
    QString altri_;
};

} // namespace

void soloCifre(QLineEdit* casella, const QString& altri)
{
    casella->setValidator(new ValidatoreCifre(casella, altri));
}
