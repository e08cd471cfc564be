#include "support/ui/TestiInteri.h"

#include "compat/ui/TitleBar.h"

#include <QAbstractItemView>
#include <QAbstractScrollArea>
#include <QCheckBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTableView>
#include <QTextDocument>
#include <QToolButton>
#include <QTreeView>
#include <algorithm>

namespace {

QString nome(const QWidget* w)
{
    return w->objectName().isEmpty() ? QString::fromLatin1(w->metaObject()->className()) : w->objectName();
}

QString tagliato(const QWidget* w, const QString& testo, const QString& come, const QSize& serve, const QSize& ha)
{
    return QStringLiteral("%1 \"%2\"%3 needs %4x%5, has %6x%7")
        .arg(nome(w), testo, come).arg(serve.width()).arg(serve.height()).arg(ha.width()).arg(ha.height());
}

// The part of `w` its containers let show, in w's own coordinates, up to the
// window or to the content of a scrolling container.
QRect parteVisibile(const QWidget* w, const QWidget* finestra)
{
    QRect r = w->rect();
    for (const QWidget* p = w; p && p != finestra; p = p->parentWidget()) {
        const QWidget* padre = p->parentWidget();
        if (!padre || qobject_cast<const QAbstractScrollArea*>(padre->parentWidget()))
            break;
        r &= QRect(w->mapFrom(padre, QPoint(0, 0)), padre->size());
    }
    return r;
}

// A label's text within its contents, as QLabel lays it out.
QRect rettangoloEtichetta(const QLabel* l)
{
    QRect cr = l->contentsRect().adjusted(l->margin(), l->margin(), -l->margin(), -l->margin());
    int m = l->indent();
    if (m < 0 && l->frameWidth())
        m = l->fontMetrics().horizontalAdvance(u'x') / 2 - l->margin();
    if (m > 0) {
        const Qt::Alignment a = l->alignment();
        if (a & Qt::AlignLeft)
            cr.setLeft(cr.left() + m);
        if (a & Qt::AlignRight)
            cr.setRight(cr.right() - m);
        if (a & Qt::AlignTop)
            cr.setTop(cr.top() + m);
        if (a & Qt::AlignBottom)
            cr.setBottom(cr.bottom() - m);
    }
    return cr;
}

QString testoSemplice(const QLabel* l)
{
    const bool ricco = l->textFormat() == Qt::RichText ||
                       (l->textFormat() == Qt::AutoText && Qt::mightBeRichText(l->text()));
    if (!ricco)
        return l->text();
    QTextDocument d;
    d.setHtml(l->text());
    return d.toPlainText();
}

// The room a button's style leaves for its text, less its picture.
QRect spazioPulsante(const QAbstractButton* b, QStyle::SubElement parte)
{
    QStyleOptionButton o;
    o.initFrom(b);
    o.text = b->text();
    o.icon = b->icon();
    o.iconSize = b->iconSize();
    if (auto* p = qobject_cast<const QPushButton*>(b); p && p->isFlat())
        o.features |= QStyleOptionButton::Flat;
    QRect r = b->style()->subElementRect(parte, &o, b);
    if (!b->icon().isNull())
        r.setLeft(r.left() + b->iconSize().width() + 4);
    return r;
}

// Where the text stands in `spazio`: one line as wide as its advance, a
// wrapped text as tall as its lines.
QRect occupato(const QFontMetrics& fm, const QRect& spazio, int allinea, QString testo)
{
    if (allinea & Qt::TextWordWrap)
        return fm.boundingRect(spazio, allinea, testo);
    if (allinea & Qt::TextShowMnemonic)
        testo.replace(QStringLiteral("&&"), QStringLiteral("\x01")).remove(u'&').replace(u'\x01', u'&');
    QSize s(0, 0);
    for (const QString& riga : testo.split(u'\n')) {
        s.setWidth(std::max(s.width(), fm.horizontalAdvance(riga)));
        s.rheight() += fm.height();
    }
    const auto dove = Qt::Alignment(allinea & (Qt::AlignHorizontal_Mask | Qt::AlignVertical_Mask));
    return QStyle::alignedRect(Qt::LeftToRight, dove, s, spazio);
}

} // namespace

QString testoTagliato(const QWidget* w, const QWidget* finestra)
{
    QString testo;
    QRect spazio;
    int allinea = Qt::AlignLeft | Qt::AlignVCenter;
    if (auto* l = qobject_cast<const QLabel*>(w)) {
        testo = testoSemplice(l);
        spazio = rettangoloEtichetta(l);
        allinea = int(l->alignment()) | (l->wordWrap() ? Qt::TextWordWrap : 0) |
                  (l->buddy() ? Qt::TextShowMnemonic : 0);
    } else if (auto* t = qobject_cast<const QToolButton*>(w)) {
        if (t->text().isEmpty() || t->toolButtonStyle() == Qt::ToolButtonIconOnly)
            return {};
        // Its own measure of text and picture side by side or stacked.
        if (!QRect(QPoint(), t->size()).contains(QRect(QPoint(), t->sizeHint())))
            return tagliato(w, t->text(), {}, t->sizeHint(), t->size());
        return {};
    } else if (auto* b = qobject_cast<const QAbstractButton*>(w)) {
        testo = b->text();
        if (qobject_cast<const QCheckBox*>(b)) {
            spazio = spazioPulsante(b, QStyle::SE_CheckBoxContents);
        } else if (qobject_cast<const QRadioButton*>(b)) {
            spazio = spazioPulsante(b, QStyle::SE_RadioButtonContents);
        } else {
            spazio = spazioPulsante(b, QStyle::SE_PushButtonContents);
            allinea = Qt::AlignCenter;
        }
        allinea |= Qt::TextShowMnemonic;
    } else if (auto* g = qobject_cast<const QGroupBox*>(w)) {
        if (g->title().isEmpty())
            return {};
        // The frame's own measure of the room its caption takes.
        if (g->width() < g->minimumSizeHint().width())
            return tagliato(w, g->title(), {}, g->minimumSizeHint(), g->size());
        return {};
    } else {
        return {};
    }
    // Trailing blanks of a text that starts at the left show nothing.
    if (!(allinea & (Qt::AlignRight | Qt::AlignHCenter)))
        while (testo.endsWith(u' '))
            testo.chop(1);
    if (testo.isEmpty())
        return {};
    const QRect serve = occupato(w->fontMetrics(), spazio, allinea, testo);
    if (!spazio.contains(serve))
        return tagliato(w, testo, {}, serve.size(), spazio.size());
    if (const QRect visibile = parteVisibile(w, finestra); !visibile.contains(serve))
        return tagliato(w, testo, QStringLiteral(" cut by a container:"), serve.size(), visibile.size());
    return {};
}

QString colonnaTagliata(const QAbstractItemView* v)
{
    const QHeaderView* h = nullptr;
    if (auto* t = qobject_cast<const QTreeView*>(v))
        h = t->isHeaderHidden() ? nullptr : t->header();
    else if (auto* t = qobject_cast<const QTableView*>(v))
        h = t->horizontalHeader()->isHidden() ? nullptr : t->horizontalHeader();
    const int larghezzaVista = v->viewport()->width();
    if (!h) {
        const int serve = v->sizeHintForColumn(0);
        if (serve > larghezzaVista)
            return nome(v) + QStringLiteral(" rows need width %1, have %2").arg(serve).arg(larghezzaVista);
        return {};
    }
    for (int c = 0; c < h->count(); ++c) {
        if (h->isSectionHidden(c) || h->sectionSize(c) == 0)
            continue;
        const QString intestazione = v->model()->headerData(c, Qt::Horizontal).toString();
        const QString dove = nome(v) + QStringLiteral(" column \"") + intestazione + QStringLiteral("\"");
        // As the header draws it: plain, between its margins.
        const int margine = h->style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, h);
        const int titolo = h->fontMetrics().horizontalAdvance(intestazione) + 2 * margine;
        if (h->sectionSize(c) < titolo)
            return dove + QStringLiteral(" header needs %1, has %2").arg(titolo).arg(h->sectionSize(c));
        if (h->sectionSize(c) < v->sizeHintForColumn(c))
            return dove + QStringLiteral(" values need %1, have %2")
                              .arg(v->sizeHintForColumn(c)).arg(h->sectionSize(c));
        const int fine = h->sectionViewportPosition(c) + h->sectionSize(c);
        if (fine > larghezzaVista)
            return dove + QStringLiteral(" ends at %1, past the view's %2").arg(fine).arg(larghezzaVista);
    }
    return {};
}

QString titoloTagliato(const QWidget* finestra)
{
    const int serve = compat::titleTextPx(finestra);
    const int spazio = compat::titleRoomPx(finestra, finestra->frameGeometry().width());
    if (serve > spazio)
        return QStringLiteral("title \"%1\" needs %2, has %3").arg(finestra->windowTitle()).arg(serve).arg(spazio);
    return {};
}
