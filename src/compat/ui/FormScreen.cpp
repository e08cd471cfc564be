// A window and the screen: its frame as the desktop draws it, and the
// controls of a window larger than the available screen moved into a scroll
// area filling the window, which then shrinks to the screen; they come back
// once the window fits again.
#include "compat/ui/Form.h"

#include "compat/ui/Controls.h"

#include <QEvent>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLayout>
#include <QPointer>
#include <QScreen>
#include <QScrollArea>
#include <QStyle>
#include <QTimer>
#include <QVBoxLayout>
#include <QWindow>
#include <algorithm>
#include <initializer_list>
#include <utility>
#include <vector>

namespace compat {

namespace {

QRect schermoSostituito;
QRect disponibileSostituito;
std::optional<QMargins> corniceSostituita;
bool corniciTardive = false;

} // namespace

void setScreenOverride(const QRect& px, const QRect& available, const std::optional<QMargins>& frame,
                       bool lateFrames)
{
    schermoSostituito = px;
    disponibileSostituito = px.isEmpty() || available.isEmpty() ? px : available;
    corniceSostituita = px.isEmpty() ? std::nullopt : frame;
    corniciTardive = lateFrames && corniceSostituita;
}

void deliverOverrideFrames()
{
    if (!corniciTardive)
        return;
    const QMargins m = *corniceSostituita;
    for (Form* f : Forms::all()) {
        if (!f->isVisible() || f->corniceConsegnata_)
            continue;
        f->corniceConsegnata_ = true;
        // The client area keeps its place; the frame's origin, which stands
        // for the window's place on this desktop, lies above and left of it.
        f->move(f->pos() - QPoint(m.left(), m.top()));
    }
}

std::optional<QMargins> screenOverrideFrame()
{
    return corniceSostituita;
}

QRect screenPx()
{
    if (!schermoSostituito.isEmpty())
        return schermoSostituito;
    const QScreen* s = QGuiApplication::primaryScreen();
    return s ? s->geometry() : QRect();
}

QRect availableScreenPx()
{
    if (!schermoSostituito.isEmpty())
        return disponibileSostituito;
    const QScreen* s = QGuiApplication::primaryScreen();
    return s ? s->availableGeometry() : QRect();
}

// The widget holding a cut window's controls: a change of its layout (a
// panel shown or hidden) fits the window again.
class ContenutoScorrevole : public QWidget {
public:
    // Made in the window itself: the controls it takes over stay in the
    // window's Tab order.
    explicit ContenutoScorrevole(Form* finestra) : QWidget(finestra), finestra_(finestra) { hide(); }

protected:
    bool event(QEvent* e) override
    {
        const bool r = QWidget::event(e);
        if (e->type() == QEvent::LayoutRequest && finestra_)
            finestra_->fitLater();
        return r;
    }

private:
    QPointer<Form> finestra_;
};

namespace {

bool entra(const QSize& s, const QSize& limite)
{
    return s.width() <= limite.width() && s.height() <= limite.height();
}

bool contiene(const QLayout* l, const QWidget* w)
{
    for (int i = 0; i < l->count(); ++i) {
        QLayoutItem* item = l->itemAt(i);
        if (item->widget() == w)
            return true;
        if (const QLayout* sotto = item->layout(); sotto && contiene(sotto, w))
            return true;
    }
    return false;
}

// Widgets that only hold controls; the inner parts of other controls (a
// list's viewport, a combo's edit box) are theirs to arrange.
bool contenitore(const QWidget* w)
{
    const QByteArray classe = w->metaObject()->className();
    return classe == "QWidget" || classe == "QFrame" || qobject_cast<const QGroupBox*>(w);
}

// The part of `radice` that controls placed by hand (in no layout) cover,
// each container looked into.
void copertura(const QWidget* radice, const QWidget* padre, QRect& coperta)
{
    const QLayout* l = padre->layout();
    for (const QObject* o : padre->children()) {
        const auto* w = qobject_cast<const QWidget*>(o);
        if (!w || w->isWindow() || !w->isVisibleTo(radice))
            continue;
        if (!l || !contiene(l, w))
            coperta |= QRect(w->mapTo(radice, QPoint(0, 0)), w->size());
        if (contenitore(w))
            copertura(radice, w, coperta);
    }
}

// Moves the window's controls under `verso`: those of `layout` with it, the
// others where they stand; each keeps being shown or hidden.
void sposta(QWidget* da, QWidget* verso, QLayout* layout, std::initializer_list<const QWidget*> esclusi)
{
    struct Stato {
        QWidget* w;
        QRect g;
        bool nascosto;
    };
    std::vector<Stato> figli;
    for (QObject* o : da->children()) {
        auto* w = qobject_cast<QWidget*>(o);
        if (w && !w->isWindow() && std::find(esclusi.begin(), esclusi.end(), w) == esclusi.end())
            figli.push_back({w, w->geometry(), w->isHidden()});
    }
    if (layout)
        verso->setLayout(layout);
    for (const Stato& s : figli) {
        if (s.w->parentWidget() != verso) {
            s.w->setParent(verso);
            s.w->setGeometry(s.g);
        }
        if (!s.nascosto)
            s.w->show();
    }
}

// Gives the focus back to the control that had it before the window's
// controls moved (a control hidden on the way hands it on).
class FuocoTenuto {
public:
    explicit FuocoTenuto(QWidget* finestra) : finestra_(finestra), fuoco_(finestra->focusWidget()) {}
    ~FuocoTenuto()
    {
        if (fuoco_ && fuoco_->isVisibleTo(finestra_) && finestra_->focusWidget() != fuoco_)
            fuoco_->setFocus(Qt::OtherFocusReason);
    }
    FuocoTenuto(const FuocoTenuto&) = delete;
    FuocoTenuto& operator=(const FuocoTenuto&) = delete;

private:
    QWidget* finestra_;
    QPointer<QWidget> fuoco_;
};

// Settles the layouts of `w` at once, the inner ones first, as the
// pending layout requests would: a control just hidden gives its room back.
void assesta(QWidget* w)
{
    for (QObject* o : w->children())
        if (auto* figlio = qobject_cast<QWidget*>(o); figlio && !figlio->isWindow())
            assesta(figlio);
    if (QLayout* l = w->layout())
        l->activate();
}

} // namespace

bool Form::framed() const
{
    if (!isVisible())
        return false;
    // The test desktop frames a window as it shows it, or when told, or never.
    if (const std::optional<QMargins> sostituita = screenOverrideFrame())
        return !sostituita->isNull() && (!corniciTardive || corniceConsegnata_);
    return frameGeometry() != geometry();
}

QMargins Form::ownFrameMargins() const
{
    if (const std::optional<QMargins> sostituita = screenOverrideFrame())
        return *sostituita;
    const QRect f = frameGeometry(), g = geometry();
    return QMargins(g.left() - f.left(), g.top() - f.top(), f.right() - g.right(), f.bottom() - g.bottom());
}

QMargins Form::frameMargins() const
{
    if (framed())
        return ownFrameMargins();
    // Not framed yet: another window's frame is the best guess.
    for (Form* f : Forms::all())
        if (f != this && f->framed())
            return f->ownFrameMargins();
    return {};
}

bool Form::framingPending() const
{
    if (!isVisible() || framed())
        return false;
    if (const std::optional<QMargins> sostituita = screenOverrideFrame())
        return !sostituita->isNull();
    // A desktop that frames the program's other windows frames this one too,
    // some time after its show; one that frames none frames a window before
    // it shows it: a window shown unframed is on a desktop that draws no
    // frames.
    return (windowHandle() && !windowHandle()->isExposed()) || !frameMargins().isNull();
}

QPoint Form::frameOrigin() const
{
    // Until the desktop has put the frame where it was meant, the place
    // meant for it.
    if (origineChiesta_ && (framed() || framingPending()))
        return *origineChiesta_;
    // Framed, the frame's; before, the place given, which Qt keeps as the
    // frame's until the window is shown.
    return pos();
}

QRect Form::frameRect() const
{
    return QRect(frameOrigin(), size().grownBy(frameMargins()));
}

void Form::moveFrame(const QPoint& origine)
{
    if (framingPending()) {
        askFrameOrigin(origine);
        return;
    }
    origineChiesta_.reset();
    move(origine);
}

void Form::forceFrameOrigin(const QPoint& origine, const QPoint& proprio)
{
    // Forced again from where it was forced: its own place stays.
    if (!postoProprio_ || frameOrigin() != postoForzato_)
        postoProprio_ = proprio;
    postoForzato_ = origine;
    moveFrame(origine);
}

QPoint Form::keptFrameOrigin() const
{
    const QPoint qui = frameOrigin();
    return postoProprio_ && qui == postoForzato_ ? *postoProprio_ : qui;
}

void Form::backToOwnPlace()
{
    const std::optional<QPoint> proprio = std::exchange(postoProprio_, std::nullopt);
    if (!proprio || frameOrigin() != postoForzato_)
        return;
    moveFrame(*proprio);
    keepTitleBarInside();
}

void Form::askFrameOrigin(const QPoint& origine)
{
    origineChiesta_ = origine;
    // Qt places the client area of a window not yet framed, and places it
    // again at each resize: it goes where the frame of the other windows
    // would put it. (Asking for the frame's place instead makes Qt's own
    // requests and this one mean different things, and a window manager that
    // merges them may take the frame's place for the client area's.)
    const QMargins m = frameMargins();
    move(origine + QPoint(m.left(), m.top()));
}

void Form::resizeFrame(const QSize& s)
{
    const QMargins m = frameMargins();
    resize(s.shrunkBy(m).expandedTo(QSize(0, 0)));
    if (framed())
        corniceSupposta_.reset();
    else
        corniceSupposta_ = m;
}

void Form::noteFrameEvent(QEvent* e)
{
    // At the first event once the desktop has framed the window (Qt may tell
    // no move when the desktop put it where Qt thought it was), the frame
    // goes to the place meant for it; from then on the window stays where
    // the desktop or the user puts it.
    if (origineChiesta_ && framed())
        if (const QPoint origine = *std::exchange(origineChiesta_, std::nullopt); pos() != origine)
            move(origine);
    const bool spostamento = e->type() == QEvent::Move;
    if (!spostamento && e->type() != QEvent::Resize)
        return;
    // Qt's resize of a window not yet framed places its client area again,
    // where it last knew it.
    if (!spostamento && !e->spontaneous() && framingPending())
        askFrameOrigin(frameOrigin());
    noteFramed();
}

void Form::noteFramed()
{
    if (incorniciata_ || !framed())
        return;
    incorniciata_ = true;
    if (const std::optional<QMargins> supposta = std::exchange(corniceSupposta_, std::nullopt)) {
        const QMargins m = ownFrameMargins();
        if (m != *supposta) {
            const QPoint origine = frameOrigin();
            resize(size().grownBy(*supposta).shrunkBy(m).expandedTo(QSize(0, 0)));
            moveFrame(origine);
        }
    }
    // Its place and fit so far went by another window's frame, or by none.
    keepTitleBarInside();
    fitLater();
}

QSize Form::neededSize() const
{
    const QWidget* radice = scorrimento_ ? scorrimento_->widget() : static_cast<const QWidget*>(this);
    QSize s(0, 0);
    if (const QLayout* l = radice->layout())
        s = l->totalMinimumSize();
    // Controls placed by hand need the part they cover, within the size
    // asked for: a window made narrow on purpose hides the rest.
    QRect coperta;
    copertura(radice, radice, coperta);
    if (coperta.isValid())
        s = s.expandedTo(QSize(coperta.right() + 1, coperta.bottom() + 1).boundedTo(wantedSize()));
    return s;
}

void Form::fitToScreen(bool wholly)
{
    adattamentoInAttesa_ = false;
    if (!loaded_ || adattando_ || isMinimized() || isMaximized() || isFullScreen())
        return;
    const QRect area = availableScreenPx();
    if (area.isEmpty())
        return;
    FlagScope guardia(adattando_);
    // Before the first show: the size show() would give it.
    const bool daDimensionare = !isVisible() && !testAttribute(Qt::WA_Resized);
    if (daDimensionare)
        adjustSize();
    else if (!isVisible())
        assesta(this);
    const bool tagliata = fitSize(area.size().shrunkBy(frameMargins()));
    if (daDimensionare && !tagliata)
        setAttribute(Qt::WA_Resized, false); // as show() leaves a window it sized itself
    if (tagliata)
        moveWhollyInside(area, true);
    else
        backToOwnPlace();
    if (wholly)
        moveWhollyInside(area, false);
}

bool Form::fitSize(const QSize& massimo)
{
    if (!scorrimento_ && entra(size(), massimo))
        return false;
    const QSize serve = neededSize();
    const QSize voluto = scorrimento_ ? progetto_.expandedTo(serve) : size();
    if (entra(voluto, massimo)) { // whole again
        unwrapScrollArea();
        resize(voluto);
        return false;
    }
    if (entra(serve, massimo)) { // its controls let it shrink
        if (scorrimento_)
            unwrapScrollArea();
        resize(voluto.boundedTo(massimo));
        return true;
    }
    if (!scorrimento_) {
        progetto_ = voluto;
        wrapInScrollArea();
    }
    QWidget* contenuto = scorrimento_->widget();
    contenuto->setMinimumSize(serve);
    // A bar takes room across the side that is not cut, where there is some.
    const int barra = style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, scorrimento_);
    QSize s = voluto;
    if (serve.width() > massimo.width())
        s.rheight() += barra;
    if (serve.height() > massimo.height())
        s.rwidth() += barra;
    resize(s.boundedTo(massimo));
    contenuto->resize(contenuto->size().expandedTo(serve));
    return true;
}

void Form::moveWhollyInside(const QRect& area, bool forced)
{
    const QRect f = frameRect();
    // Forced, it stands as near its own place as the screen lets it.
    const QPoint da = forced ? keptFrameOrigin() : f.topLeft();
    const QPoint a(std::max(area.left(), std::min(da.x(), area.right() + 1 - f.width())),
                   std::max(area.top(), std::min(da.y(), area.bottom() + 1 - f.height())));
    if (forced && a != da) {
        if (a != f.topLeft())
            forceFrameOrigin(a, da);
        return;
    }
    if (forced)
        postoProprio_.reset();
    if (a != f.topLeft())
        moveFrame(a);
}

void Form::keepTitleBarInside()
{
    const QRect area = availableScreenPx();
    if (area.isEmpty() || !loaded_ || isMinimized() || isMaximized() || isFullScreen())
        return;
    // Moved just enough: the rest of the window may lie off the screen.
    const QRect f = frameRect();
    const int x = std::min(f.left(), area.right() + 1 - f.width());
    const int y = std::max(area.top(), f.top());
    if (QPoint(x, y) != f.topLeft())
        moveFrame(QPoint(x, y));
}

QSize Form::wantedSize() const
{
    return scorrimento_ ? progetto_ : size();
}

void Form::setWantedSize(const QSize& s)
{
    if (scorrimento_) {
        assesta(scorrimento_->widget());
        progetto_ = s;
    } else {
        assesta(this);
        FlagScope guardia(adattando_);
        resize(s);
    }
    if (isVisible())
        fitToScreen();
}

void Form::fitLater()
{
    if (adattando_ || adattamentoInAttesa_ || !loaded_ || !isVisible())
        return;
    // Not inside the event: the layout that resized the window may still be
    // at work.
    adattamentoInAttesa_ = true;
    QTimer::singleShot(0, this, [this] {
        if (adattamentoInAttesa_ && isVisible())
            fitToScreen();
        adattamentoInAttesa_ = false;
    });
}

void Form::wrapInScrollArea()
{
    // The controls stay in this window, so their Tab order stays too.
    FuocoTenuto fuoco(this);
    // Limits of a window sized by hand go to its content; a layout sets its
    // own again.
    QLayout* l = layout();
    if (!l) {
        minimoProprio_ = minimumSize();
        massimoProprio_ = maximumSize();
    }
    QWidget* menu = l ? l->menuBar() : nullptr;
    if (menu)
        l->setMenuBar(nullptr);

    auto* contenuto = new ContenutoScorrevole(this);
    auto* area = new QScrollArea(this);
    area->setFrameShape(QFrame::NoFrame);
    area->setFocusPolicy(Qt::NoFocus);
    area->setWidgetResizable(true);
    area->viewport()->setAutoFillBackground(false);
    sposta(this, contenuto, l, {area, menu, contenuto});
    area->setWidget(contenuto);
    contenuto->setAutoFillBackground(false); // the window's own background shows

    setMinimumSize(0, 0);
    setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    auto* finestra = new QVBoxLayout(this);
    finestra->setContentsMargins(0, 0, 0, 0);
    finestra->setSpacing(0);
    if (menu) {
        finestra->setMenuBar(menu);
        menu->show();
    }
    finestra->addWidget(area);
    area->show();
    scorrimento_ = area;
}

void Form::unwrapScrollArea()
{
    FuocoTenuto fuoco(this);
    QScrollArea* area = std::exchange(scorrimento_, nullptr);
    QWidget* contenuto = area->widget();
    QLayout* l = contenuto->layout();
    QWidget* menu = nullptr;
    if (QLayout* finestra = layout()) {
        menu = finestra->menuBar();
        finestra->setMenuBar(nullptr);
        delete finestra;
    }
    sposta(contenuto, this, l, {});
    if (menu && l) {
        l->setMenuBar(menu);
        menu->show();
    }
    // Not at once: the content may be the one whose event got here.
    area->hide();
    area->setParent(nullptr);
    area->deleteLater();
    if (l) {
        setMinimumSize(0, 0);
        l->activate();
    } else {
        setMinimumSize(minimoProprio_);
        setMaximumSize(massimoProprio_);
    }
}

} // namespace compat
