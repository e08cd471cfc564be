#include "archivio/frmElencoGriglia.h"

#include "compat/vb.h"
#include "compat/ui/Colors.h"

#include <QMouseEvent>
#include <QPainter>

using namespace compat;

namespace {

// Geometry in pixels.
constexpr int kIntestazione = 20;
constexpr int kAltezzaRiga = 17;
constexpr int kLarghezzaData = 74;
constexpr int kLarghezzaIndice = 30;
constexpr int kLarghezzaGiorno = 32;
constexpr int kLarghezzaCella = 21;
constexpr int kStaccoRuota = 4;
constexpr int kLarghezzaNumero = 52;
constexpr int kInizioCelle = kLarghezzaData + kLarghezzaIndice + kLarghezzaGiorno + 4;
constexpr int kLarghezzaRuota = 5 * kLarghezzaCella + kStaccoRuota;
constexpr int kFineCelle = kInizioCelle + 11 * kLarghezzaRuota;

constexpr quint32 kGiallino = 0xC0FFFF;     // dates
constexpr quint32 kArancioChiaro = 0xC0E0FF; // index and record number
constexpr quint32 kVerdino = 0xC0FFC0;      // weekday

} // namespace

GrigliaElenco::GrigliaElenco(QWidget* padre) : QWidget(padre)
{
    QFont f = font();
    f.setPointSize(8);
    setFont(f);
    setMinimumSize(sizeHint());
}

QSize GrigliaElenco::sizeHint() const
{
    return {kFineCelle + kLarghezzaNumero + 2, kIntestazione + kRigheElenco * kAltezzaRiga + 2};
}

int GrigliaElenco::xCella(int posizione) const
{
    const int w = (posizione - 1) / 5, k = (posizione - 1) % 5;
    return kInizioCelle + w * kLarghezzaRuota + k * kLarghezzaCella;
}

int GrigliaElenco::yRiga(int riga) const
{
    return kIntestazione + (riga - 1) * kAltezzaRiga;
}

QRect GrigliaElenco::rettangoloCella(int cella) const
{
    const int r = (cella - 1) / kCelleRiga + 1, p = (cella - 1) % kCelleRiga + 1;
    return {xCella(p), yRiga(r), kLarghezzaCella - 1, kAltezzaRiga - 1};
}

QRect GrigliaElenco::rettangoloData(int riga) const
{
    return {0, yRiga(riga), kLarghezzaData - 1, kAltezzaRiga - 1};
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
    update();
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
        casella(QRect(xCella((w - 1) * 5 + 1), 1, 5 * kLarghezzaCella - 1, kIntestazione - 3),
                coloriRuote_[size_t(w)], 0, ruote_[size_t(w)], false);
    casella(QRect(kFineCelle, 1, kLarghezzaNumero - 1, kIntestazione - 3), kArancioChiaro, 0,
            QStringLiteral(" N. estr."), false);
    for (int r = 1; r <= kRigheElenco; ++r) {
        const RigaElenco& riga = pagina_.righe[size_t(r - 1)];
        const int y = yRiga(r), h = kAltezzaRiga - 1;
        casella(rettangoloData(r), kGiallino, 0, riga.data, false);
        casella(QRect(kLarghezzaData, y, kLarghezzaIndice - 1, h), kArancioChiaro, 0, riga.indice, false);
        casella(QRect(kLarghezzaData + kLarghezzaIndice, y, kLarghezzaGiorno - 1, h), kVerdino, 0,
                riga.giorno, false);
        for (int p = 1; p <= kCelleRiga; ++p) {
            const int c = (r - 1) * kCelleRiga + p;
            const Cella& x = celle_[size_t(c)];
            casella(rettangoloCella(c), x.sfondo, x.testo, didascalia(c), x.grassetto);
        }
        casella(QRect(kFineCelle, y, kLarghezzaNumero - 1, h), kArancioChiaro, 0, riga.nEstraz, false,
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
