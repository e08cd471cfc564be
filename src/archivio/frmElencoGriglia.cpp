#include "archivio/frmElencoGriglia.h"

#include "compat/vb.h"
#include "compat/vbdate.h"
#include "compat/ui/Colors.h"

#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <algorithm>

using namespace compat;

namespace {

// Geometry in pixels.
constexpr int kIntestazione = 20;
constexpr int kAltezzaRiga = 17;
constexpr int kStaccoRuota = 4;
constexpr int kStaccoCelle = 4; // between the weekday and the first wheel
// Room round a column's widest text, the line between columns included.
constexpr int kAgio = 4;

const QString kTitoloNumero = QStringLiteral(" N. estr.");

constexpr quint32 kGiallino = 0xC0FFFF;     // dates
constexpr quint32 kArancioChiaro = 0xC0E0FF; // index and record number
constexpr quint32 kVerdino = 0xC0FFC0;      // weekday

// The width of the widest of `modelli`, each 0 standing for any digit.
int larghezza(const QFontMetrics& m, std::initializer_list<QString> modelli)
{
    QChar cifra = u'0';
    for (char16_t c = u'1'; c <= u'9'; ++c)
        if (m.horizontalAdvance(QChar(c)) > m.horizontalAdvance(cifra))
            cifra = QChar(c);
    int l = 0;
    for (QString t : modelli)
        l = std::max(l, m.horizontalAdvance(t.replace(u'0', cifra)));
    return l + kAgio;
}

} // namespace

GrigliaElenco::GrigliaElenco(QWidget* padre) : QWidget(padre)
{
    QFont f = font();
    f.setPointSize(8);
    setFont(f);
    misura();
}

void GrigliaElenco::misura()
{
    const QFontMetrics m(font());
    QFont f = font();
    f.setBold(true);
    larghezzaData_ = larghezza(m, {QStringLiteral("00/00/0000")});
    larghezzaIndice_ = larghezza(m, {QStringLiteral("000"), QStringLiteral("U00")});
    larghezzaGiorno_ = 0;
    for (int g = 1; g <= 7; ++g)
        larghezzaGiorno_ = std::max(larghezzaGiorno_, larghezza(m, {vbWeekdayAbbr(g)}));
    larghezzaNumero_ = larghezza(m, {kTitoloNumero, QStringLiteral("00.000")});
    // Marked numbers are bold; a wheel's name spans its five cells.
    larghezzaCella_ = larghezza(QFontMetrics(f), {QStringLiteral("00")});
    for (const QString& nome : ruote_)
        larghezzaCella_ = std::max(larghezzaCella_, (larghezza(m, {nome}) + 4) / 5);
    setFixedSize(sizeHint());
    update();
}

void GrigliaElenco::changeEvent(QEvent* e)
{
    QWidget::changeEvent(e);
    if (e->type() == QEvent::FontChange)
        misura();
}

QSize GrigliaElenco::sizeHint() const
{
    return {fineCelle() + larghezzaNumero_ + 2, kIntestazione + kRigheElenco * kAltezzaRiga + 2};
}

int GrigliaElenco::inizioCelle() const
{
    return larghezzaData_ + larghezzaIndice_ + larghezzaGiorno_ + kStaccoCelle;
}

int GrigliaElenco::larghezzaRuota() const
{
    return 5 * larghezzaCella_ + kStaccoRuota;
}

int GrigliaElenco::fineCelle() const
{
    return inizioCelle() + 11 * larghezzaRuota();
}

int GrigliaElenco::xCella(int posizione) const
{
    const int w = (posizione - 1) / 5, k = (posizione - 1) % 5;
    return inizioCelle() + w * larghezzaRuota() + k * larghezzaCella_;
}

int GrigliaElenco::yRiga(int riga) const
{
    return kIntestazione + (riga - 1) * kAltezzaRiga;
}

QRect GrigliaElenco::rettangoloCella(int cella) const
{
    const int r = (cella - 1) / kCelleRiga + 1, p = (cella - 1) % kCelleRiga + 1;
    return {xCella(p), yRiga(r), larghezzaCella_ - 1, kAltezzaRiga - 1};
}

QRect GrigliaElenco::rettangoloData(int riga) const
{
    return {0, yRiga(riga), larghezzaData_ - 1, kAltezzaRiga - 1};
}

void GrigliaElenco::mostraPagina(const PaginaElenco& p)
{
    pagina_ = p;
    celle_.fill(Cella{});
    update();
}

void GrigliaElenco::colora(const Evidenziazione& e)
{
    for (int c = 1; c <= kCelleElenco; ++c) {
        Cella& x = celle_[size_t(c)];
        const int s = e.segno[size_t(c - 1)];
        if (s == kNonSegnata) {
            x = {e.rigaBianca[size_t((c - 1) / kCelleRiga)] ? 0xFFFFFFu : kGiallino, 0, false};
        } else {
            x = {segnoSfondo_[size_t(s)], segnoTesto_[size_t(s)], true};
        }
    }
    update();
}

void GrigliaElenco::impostaRuote(const std::array<QString, 12>& nomi, const std::array<quint32, 12>& colori)
{
    for (int w = 1; w <= 11; ++w)
        ruote_[size_t(w)] = vbTrim(nomi[size_t(w)]);
    coloriRuote_ = colori;
    misura();
}

void GrigliaElenco::impostaColoriSegni(const std::array<quint32, 9>& sfondo, const std::array<quint32, 9>& testo)
{
    segnoSfondo_ = sfondo;
    segnoTesto_ = testo;
}

QString GrigliaElenco::didascalia(int cella) const
{
    if (cella < 1 || cella > kCelleElenco)
        return {};
    const RigaElenco& r = pagina_.righe[size_t((cella - 1) / kCelleRiga)];
    if (r.record < 1)
        return {};
    return QString::number(r.numeri[size_t((cella - 1) % kCelleRiga)]);
}

quint32 GrigliaElenco::coloreSfondo(int cella) const
{
    return celle_[size_t(cella)].sfondo;
}

quint32 GrigliaElenco::coloreTesto(int cella) const
{
    return celle_[size_t(cella)].testo;
}

bool GrigliaElenco::grassetto(int cella) const
{
    return celle_[size_t(cella)].grassetto;
}

void GrigliaElenco::paintEvent(QPaintEvent*)
{
    QPainter g(this);
    QFont normale = font();
    QFont nero = font();
    nero.setBold(true);
    const auto casella = [&](const QRect& r, quint32 sfondo, quint32 testo, const QString& t, bool b,
                             Qt::Alignment a = Qt::AlignCenter) {
        g.fillRect(r, vbColor(sfondo));
        g.setPen(vbColor(testo));
        g.setFont(b ? nero : normale);
        g.drawText(r, int(a), t);
    };
    for (int w = 1; w <= 11; ++w)
        casella(QRect(xCella((w - 1) * 5 + 1), 1, 5 * larghezzaCella_ - 1, kIntestazione - 3),
                coloriRuote_[size_t(w)], 0, ruote_[size_t(w)], false);
    casella(QRect(fineCelle(), 1, larghezzaNumero_ - 1, kIntestazione - 3), kArancioChiaro, 0, kTitoloNumero,
            false);
    for (int r = 1; r <= kRigheElenco; ++r) {
        const RigaElenco& riga = pagina_.righe[size_t(r - 1)];
        const int y = yRiga(r), h = kAltezzaRiga - 1;
        casella(rettangoloData(r), kGiallino, 0, riga.data, false);
        casella(QRect(larghezzaData_, y, larghezzaIndice_ - 1, h), kArancioChiaro, 0, riga.indice, false);
        casella(QRect(larghezzaData_ + larghezzaIndice_, y, larghezzaGiorno_ - 1, h), kVerdino, 0, riga.giorno,
                false);
        for (int p = 1; p <= kCelleRiga; ++p) {
            const int c = (r - 1) * kCelleRiga + p;
            const Cella& x = celle_[size_t(c)];
            casella(rettangoloCella(c), x.sfondo, x.testo, didascalia(c), x.grassetto);
        }
        casella(QRect(fineCelle(), y, larghezzaNumero_ - 1, h), kArancioChiaro, 0, riga.nEstraz, false,
                Qt::AlignRight | Qt::AlignVCenter);
    }
}

void GrigliaElenco::mouseReleaseEvent(QMouseEvent* e)
{
    if (e->button() != Qt::LeftButton)
        return;
    const QPoint p = e->position().toPoint();
    for (int r = 1; r <= kRigheElenco; ++r) {
        if (p.y() < yRiga(r) || p.y() >= yRiga(r) + kAltezzaRiga)
            continue;
        if (rettangoloData(r).contains(p)) {
            emit dataCliccata(r);
            return;
        }
        for (int q = 1; q <= kCelleRiga; ++q)
            if (rettangoloCella((r - 1) * kCelleRiga + q).contains(p)) {
                emit cellaCliccata((r - 1) * kCelleRiga + q);
                return;
            }
    }
}

ScorrimentoGriglia::ScorrimentoGriglia(GrigliaElenco* griglia, QWidget* padre)
    : QScrollArea(padre), griglia_(griglia)
{
    setFrameShape(QFrame::NoFrame);
    setFocusPolicy(Qt::NoFocus); // the focus stays on the page scroll bar
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // Not expanding: a new window takes the grid's whole width where the
    // screen has it.
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Preferred);
    setWidget(griglia);
}

QSize ScorrimentoGriglia::sizeHint() const
{
    return griglia_->size().expandedTo(minimumSizeHint());
}

// As narrow as the row headings; a window too narrow for the whole grid
// scrolls its numbers.
QSize ScorrimentoGriglia::minimumSizeHint() const
{
    const int barra = conBarra_ ? horizontalScrollBar()->sizeHint().height() : 0;
    return {griglia_->rettangoloCella(1).left(), griglia_->height() + barra};
}

bool ScorrimentoGriglia::eventFilter(QObject* o, QEvent* e)
{
    const bool r = QScrollArea::eventFilter(o, e);
    if (o == griglia_ && e->type() == QEvent::Resize)
        seguiBarra(true);
    return r;
}

void ScorrimentoGriglia::resizeEvent(QResizeEvent* e)
{
    QScrollArea::resizeEvent(e);
    seguiBarra(false);
}

// The bar comes and goes with the width, and the height asked for with it.
void ScorrimentoGriglia::seguiBarra(bool grigliaCambiata)
{
    const bool barra = width() < griglia_->width();
    if (barra == conBarra_ && !grigliaCambiata)
        return;
    conBarra_ = barra;
    updateGeometry();
    emit barraCambiata();
}
