#include "compat/ui/Form.h"

#include "compat/ui/Platform.h"
#include "compat/ui/TitleBar.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCloseEvent>
#include <QEventLoop>
#include <QKeyEvent>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <algorithm>
#include <exception>
#include <utility>

namespace compat {

namespace {

UnexpectedErrorReporter& reporter()
{
    static UnexpectedErrorReporter r;
    return r;
}

void defaultReport(const QString& modulo, const QString& procedura, const AppError& e)
{
    QString text = QStringLiteral("Errore ") + QString::number(e.number) + QStringLiteral(" : ")
                   + e.description + QStringLiteral(" in ") + modulo;
    if (!procedura.isEmpty())
        text += u'.' + procedura;
    vbMsgBox(text, vbExclamation, QStringLiteral("Errore inatteso"));
}

// Every label of the program's windows shows its text as text: a reason
// phrase from a server, a file's name or what the user typed is never read as
// markup. Made before it is first shown, whoever made it; a label whose maker
// chose a format (Qt::RichText for markup of the program's own) keeps it.
class EtichetteInChiaro final : public QObject {
public:
    using QObject::QObject;
    bool eventFilter(QObject* o, QEvent* e) override
    {
        if (e->type() == QEvent::Polish)
            if (auto* l = qobject_cast<QLabel*>(o))
                if (l->textFormat() == Qt::AutoText && qobject_cast<Form*>(l->window()))
                    l->setTextFormat(Qt::PlainText);
        return false;
    }
};

void etichetteInChiaro()
{
    static QPointer<EtichetteInChiaro> filtro;
    if (!filtro && qApp) {
        filtro = new EtichetteInChiaro(qApp);
        qApp->installEventFilter(filtro);
    }
}

int handlerDepth = 0;      // handlers of all windows on the stack
bool endPending = false;   // endProcessWhenIdle waiting for handlerDepth 0

} // namespace

void setUnexpectedErrorReporter(UnexpectedErrorReporter r)
{
    reporter() = std::move(r);
}

void reportUnexpectedError(const QString& modulo, const QString& procedura, const AppError& e)
{
    // The report itself must not end a handler with a new exception.
    try {
        if (reporter())
            reporter()(modulo, procedura, e);
        else
            defaultReport(modulo, procedura, e);
    } catch (const ProcessEnded&) {
        throw;
    } catch (...) {
    }
}

void endProcessWhenIdle()
{
    if (handlerDepth > 0) {
        endPending = true;
        return;
    }
    endPending = false;
    platform().process().end();
}

// --- Forms --------------------------------------------------------------

std::vector<QPointer<Form>>& Forms::list()
{
    static std::vector<QPointer<Form>> l;
    return l;
}

std::vector<Form*> Forms::all()
{
    std::vector<Form*> out;
    auto& l = list();
    l.erase(std::remove_if(l.begin(), l.end(), [](const QPointer<Form>& p) { return p.isNull(); }),
            l.end());
    for (const QPointer<Form>& p : l)
        out.push_back(p.data());
    return out;
}

// --- Form ---------------------------------------------------------------

Form::Form(QWidget* parent) : QWidget(parent, Qt::Window)
{
    etichetteInChiaro();
}

Form::~Form()
{
    // An owned window whose handler is still on the stack (the owner closed
    // while it was waiting on the network) outlives its owner: it goes once
    // that handler has returned.
    for (Form* f : findChildren<Form*>(Qt::FindDirectChildrenOnly))
        if (f->running_ > 0) {
            f->setParent(nullptr, f->windowFlags());
            f->orphan_ = true;
        }
    auto& l = Forms::list();
    l.erase(std::remove(l.begin(), l.end(), QPointer<Form>(this)), l.end());
    if (modalLoop_)
        modalLoop_->quit();
}

void Form::load()
{
    loaded_ = true;
    Forms::list().push_back(this);
    runHandler(QStringLiteral("Form_Load"), [this] { formLoad(); });
}

void Form::runHandler(const QString& name, const std::function<void()>& body)
{
    ++running_;
    ++handlerDepth;
    try {
        body();
    } catch (const ProcessEnded&) {
        leaveHandler(true);
        throw;
    } catch (const AppError& e) {
        reportUnexpectedError(objectName(), name, e);
    } catch (const std::exception& e) {
        reportUnexpectedError(objectName(), name,
                              AppError{51,
                                       QStringLiteral("Errore interno (")
                                           + QString::fromLocal8Bit(e.what()) + u')',
                                       {}});
    } catch (...) {
        reportUnexpectedError(objectName(), name, AppError{51, QStringLiteral("Errore interno"), {}});
    }
    leaveHandler(false);
}

void Form::leaveHandler(bool ending)
{
    --running_;
    --handlerDepth;
    // A window its owner left behind is unloaded now, or deleted if it
    // refuses: nothing could reach it any more.
    if (running_ == 0 && std::exchange(orphan_, false)) {
        if (!ending && loaded_)
            vbUnload(this, vbFormCode);
        if (loaded_ || ending)
            deleteLater();
    }
    if (running_ == 0 && destroyPending_)
        deleteLater();
    if (!ending && handlerDepth == 0 && endPending)
        endProcessWhenIdle();
}

void Form::destroyWhenIdle()
{
    if (running_ > 0)
        destroyPending_ = true;
    else
        deleteLater(); // a signal of one of its controls may still be on its way out
}

void Form::adoptOwner(QWidget* owner)
{
    if (owner && owner != this && parentWidget() != owner) {
        const bool wasVisible = isVisible();
        const bool wasPlaced = testAttribute(Qt::WA_Moved);
        const QPoint at = frameRect().topLeft();
        setParent(owner, windowFlags() | Qt::Window);
        if (wasPlaced)
            moveFrame(at);
        if (wasVisible)
            show();
    }
}

void Form::leaveOwner(QWidget* owner)
{
    if (!owner || parentWidget() != owner)
        return;
    const bool wasVisible = isVisible();
    const QPoint at = frameRect().topLeft();
    setParent(nullptr, windowFlags() | Qt::Window);
    moveFrame(at);
    if (wasVisible)
        show();
}

bool Form::placed() const
{
    return isVisible() || testAttribute(Qt::WA_Moved);
}

void Form::placeOnFirstShow()
{
    // A window its Load did not place opens centred on its owner (or on the
    // screen), its frame inside the available area.
    const QRect area = availableScreenPx();
    if (area.isEmpty())
        return;
    // The size show() would give it, so that the centre is the right one.
    if (!testAttribute(Qt::WA_Resized))
        adjustSize();
    const QSize cornice = size().grownBy(frameMargins());
    const auto* owner = parentWidget() ? qobject_cast<const Form*>(parentWidget()->window()) : nullptr;
    const QPoint centre = owner && owner->isVisible() ? owner->frameRect().center() : area.center();
    QPoint at = centre - QPoint(cornice.width() / 2, cornice.height() / 2);
    at.setX(std::max(area.left(), std::min(at.x(), area.right() + 1 - cornice.width())));
    at.setY(std::max(area.top(), std::min(at.y(), area.bottom() + 1 - cornice.height())));
    moveFrame(at);
}

void Form::vbShow(QWidget* owner)
{
    if (!loaded_)
        return;
    const bool giaPosto = placed();
    adoptOwner(owner);
    widenForTitle();
    if (!giaPosto)
        placeOnFirstShow();
    fitToScreen();
    show();
    raise();
    activateWindow();
    // Its frame's place is kept until the desktop has framed it.
    if (framingPending() && !origineChiesta_)
        askFrameOrigin(pos());
    noteFramed(); // some desktops frame a window as they show it
    fitToScreen();
    keepTitleBarInside();
    noteActivated();
}

void Form::vbShowModal(QWidget* owner)
{
    if (!loaded_)
        return;
    const bool giaPosto = placed();
    adoptOwner(owner);
    widenForTitle();
    if (!giaPosto)
        placeOnFirstShow();
    QPointer<Form> self(this);
    setWindowModality(Qt::ApplicationModal);
    fitToScreen();
    show();
    raise();
    activateWindow();
    if (framingPending() && !origineChiesta_)
        askFrameOrigin(pos());
    noteFramed();
    fitToScreen();
    keepTitleBarInside();
    noteActivated();
    if (!self || !self->loaded_ || !isVisible())
        return;
    QEventLoop loop;
    modalLoop_ = &loop;
    loop.exec(QEventLoop::DialogExec);
    if (self) {
        self->modalLoop_ = nullptr;
        self->setWindowModality(Qt::NonModal);
    }
}

void Form::widenForTitle()
{
    const int serve = titleWidthPx(this);
    // Before the first show: the size show() would give it.
    const bool daDimensionare = !isVisible() && !testAttribute(Qt::WA_Resized);
    if (daDimensionare)
        adjustSize();
    if (width() >= serve) {
        if (daDimensionare)
            setAttribute(Qt::WA_Resized, false);
        return;
    }
    if (minimumWidth() == maximumWidth())
        setFixedWidth(serve);
    else
        setMaximumWidth(std::max(maximumWidth(), serve));
    resize(serve, height());
}

void Form::setDefaultButton(QPushButton* button)
{
    if (defaultButton_ && defaultButton_ != button)
        defaultButton_->setDefault(false);
    defaultButton_ = button;
    if (button)
        button->setDefault(true);
}

void Form::noteActivated()
{
    // The original fires Activate when another of the program's windows
    // becomes active, not when the program itself regains the focus.
    if (!loaded_ || Forms::active_ == this)
        return;
    Forms::active_ = this;
    runHandler(QStringLiteral("Form_Activate"), [this] { formActivate(); });
}

bool Form::event(QEvent* e)
{
    const QEvent::Type type = e->type();
    if (type == QEvent::WindowActivate)
        noteActivated();
    // A deferred delete destroys the window inside QWidget::event: nothing
    // of it may be touched afterwards.
    if (type == QEvent::DeferredDelete)
        return QWidget::event(e);
    const bool r = QWidget::event(e);
    // A title set by the window's code, before its handlers see the change.
    if (type == QEvent::WindowTitleChange && loaded_)
        widenForTitle();
    // The layout has just settled (a panel shown or hidden may have grown
    // the window).
    if (type == QEvent::LayoutRequest)
        fitLater();
    noteFrameEvent(e);
    return r;
}

void Form::closeEvent(QCloseEvent* e)
{
    if (!loaded_ || unloading_) {
        e->accept();
        return;
    }
    e->setAccepted(vbUnload(this, vbFormControlMenu));
}

void Form::hideEvent(QHideEvent* e)
{
    if (modalLoop_ && !e->spontaneous())
        modalLoop_->quit();
    if (!e->spontaneous()) {
        incorniciata_ = false;
        corniceConsegnata_ = false;
        origineChiesta_.reset();
    }
    QWidget::hideEvent(e);
}

void Form::keyPressEvent(QKeyEvent* e)
{
    if (e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) {
        // A push button with the focus takes Enter itself, as the original's.
        auto* focused = qobject_cast<QPushButton*>(focusWidget());
        QPushButton* target = focused ? focused : defaultButton_.data();
        if (target && target->isEnabled() && target->isVisible()) {
            target->click();
            e->accept();
            return;
        }
    }
    QWidget::keyPressEvent(e);
}

void Form::resizeEvent(QResizeEvent* e)
{
    QWidget::resizeEvent(e);
    // A size set by code on the shown window (the desktop's own changes come
    // spontaneous) is what the window asks for; while cut, only the side it
    // changed.
    if (loaded_ && !adattando_ && !e->spontaneous() && isVisible()) {
        if (scorrimento_) {
            if (e->size().width() != e->oldSize().width())
                progetto_.setWidth(e->size().width());
            if (e->size().height() != e->oldSize().height())
                progetto_.setHeight(e->size().height());
        }
        fitLater();
    }
    if (loaded_)
        runHandler(QStringLiteral("Form_Resize"), [this] { formResize(); });
}

void Form::changeEvent(QEvent* e)
{
    QWidget::changeEvent(e);
    if (e->type() == QEvent::WindowStateChange && loaded_)
        runHandler(QStringLiteral("Form_Resize"), [this] { formResize(); });
}

bool vbUnload(Form* f, int unloadMode)
{
    if (!f || !f->loaded_)
        return true;
    if (f->unloading_)
        return false; // an Unload asked for from inside its own QueryUnload or Unload
    f->unloading_ = true;
    bool cancel = false;
    // The whole unload counts as running code: a process end asked for by
    // the Unload waits until the window has left Forms.
    ++handlerDepth;
    try {
        f->runHandler(QStringLiteral("Form_QueryUnload"),
                      [&] { f->queryUnload(unloadMode, cancel); });
        if (!cancel)
            f->runHandler(QStringLiteral("Form_Unload"), [&] { f->formUnload(cancel); });
    } catch (...) {
        --handlerDepth;
        f->unloading_ = false;
        throw;
    }
    f->unloading_ = false;
    if (cancel) {
        --handlerDepth;
        if (handlerDepth == 0 && endPending)
            endProcessWhenIdle();
        return false;
    }

    f->loaded_ = false;
    auto& l = Forms::list();
    l.erase(std::remove(l.begin(), l.end(), QPointer<Form>(f)), l.end());
    if (Forms::current == f)
        Forms::current = nullptr;
    if (Forms::active_ == f)
        Forms::active_ = nullptr;
    if (f->modalLoop_)
        f->modalLoop_->quit();
    f->hide();
    f->destroyWhenIdle();
    --handlerDepth;
    if (handlerDepth == 0 && endPending)
        endProcessWhenIdle();
    return true;
}

} // namespace compat
