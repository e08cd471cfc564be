#pragma once
// Window life as the original platform had it: a window is loaded (constructed
// and its Load run), shown, hidden, unloaded; the Forms collection keeps the
// loaded windows in load order. Every handler of a window runs through
// Form::runHandler, which counts it (a window is destroyed only once none of
// its handlers is on the stack) and turns any error into the unexpected-error
// report, so no exception crosses a Qt signal.
//
// compat::ProcessEnded is the one exception let through: only the scripted
// platform throws it (the real process end never returns), and tests raise
// their events synchronously (vbPress, trigger(), direct calls), so it unwinds
// through direct signal emission back into the test.
#include "compat/AppError.h"

#include <QMargins>
#include <QPointer>
#include <QPushButton>
#include <QRect>
#include <QWidget>
#include <cstddef>
#include <functional>
#include <optional>
#include <tuple>
#include <type_traits>
#include <utility>
#include <vector>

class QEventLoop;
class QScrollArea;

namespace compat {

// Unload modes passed to queryUnload.
enum : int {
    vbFormControlMenu = 0, // close box or system menu
    vbFormCode = 1,        // Unload by code
    vbAppWindows = 2,      // the desktop session ends
    vbAppTaskManager = 3,  // never raised on Linux
};

// The primary screen and the part of it that windows may take (the screen
// less its panels), in pixels.
QRect screenPx();
QRect availableScreenPx();
// Stands a screen of that size in for the desktop's, so that the fitting
// and placing of windows can be tried on small screens: `available` is the
// part left by its panels (all of it when empty), `frame` what its window
// manager puts around every window (null margins: it draws no frames; none
// given: the desktop's own frames). An empty rectangle gives the desktop's
// screen back. With `lateFrames` its window manager frames a shown window
// only when deliverOverrideFrames() says so, as X11 ones do some time after
// the show.
void setScreenOverride(const QRect& px, const QRect& available = {},
                       const std::optional<QMargins>& frame = {}, bool lateFrames = false);
// The frame the override's desktop gives every window, if it stands for one.
std::optional<QMargins> screenOverrideFrame();
// The override's window manager frames every shown window it has not framed
// yet, round its client area where that stands, and tells the window where
// its frame went.
void deliverOverrideFrames();

using UnexpectedErrorReporter =
    std::function<void(const QString& modulo, const QString& procedura, const AppError&)>;

// Who reports an error caught by a handler; an empty function restores the
// default (a message box titled "Errore inatteso").
void setUnexpectedErrorReporter(UnexpectedErrorReporter reporter);
void reportUnexpectedError(const QString& modulo, const QString& procedura, const AppError& e);

namespace detail {

template <class F, class Tuple, std::size_t... I>
constexpr bool invocablePrefix(std::index_sequence<I...>)
{
    return std::is_invocable_v<F&, std::tuple_element_t<I, Tuple>...>;
}

// Calls f with the longest leading part of the signal's arguments it takes,
// so a handler written without arguments fits clicked(bool).
template <std::size_t N, class F, class Tuple>
void invokePrefix(F& f, Tuple& args)
{
    if constexpr (invocablePrefix<F, Tuple>(std::make_index_sequence<N>{})) {
        [&]<std::size_t... I>(std::index_sequence<I...>) {
            std::invoke(f, std::get<I>(args)...);
        }(std::make_index_sequence<N>{});
    } else if constexpr (N > 0) {
        invokePrefix<N - 1>(f, args);
    } else {
        static_assert(N > 0, "the handler takes arguments the signal does not give");
    }
}

} // namespace detail

class Form : public QWidget {
    Q_OBJECT
public:
    explicit Form(QWidget* parent = nullptr);
    ~Form() override;

    // In the Forms collection: loaded and not yet unloaded.
    bool isLoaded() const { return loaded_; }

    // Modeless; with an owner the window stays above it. Showing an open
    // window brings it forward. Does nothing on an unloaded window.
    void vbShow(QWidget* owner = nullptr);
    // Application-modal: returns once the window is hidden or unloaded (the
    // window may be gone by then).
    void vbShowModal(QWidget* owner = nullptr);

    // Owned by `owner` until now, the window goes on alone (an owner that
    // closes would take it along): it keeps its place and stays shown.
    void leaveOwner(QWidget* owner);

    // The frame the desktop puts around the window (the outer window, title
    // bar included), in pixels. Its margins are the window's own once the
    // desktop has framed it; until then (on X11 some time after the show)
    // those of another framed window of the program, or none. Places, stored
    // or not, and the fit to the screen all go by the frame.
    QMargins frameMargins() const;
    QRect frameRect() const;
    // Puts the frame's origin there. Until the desktop has framed a shown
    // window, Qt places its client area, not its frame: the client area goes
    // where the frame of the program's other windows would put it, and the
    // frame is brought to its place once the desktop tells where it went.
    void moveFrame(const QPoint& origin);
    // Puts the frame's origin at `origin`, where fitting the screen forces
    // it, away from the window's own place `own`.
    void forceFrameOrigin(const QPoint& origin, const QPoint& own);
    // The place the window keeps (its Unload saves it): its frame's origin,
    // or its own place while it stands where fitting the screen forced it.
    // The user's move makes the new place its own.
    QPoint keptFrameOrigin() const;
    // The frame's size: the client area takes what the frame leaves. Set
    // before the desktop framed the window, it is set again once framed
    // with the desktop's own frame, so that the size saved is the size
    // restored.
    void resizeFrame(const QSize& size);

    // Keeps the window's frame within the available screen
    // (availableScreenPx): a window larger than the screen shrinks to it, as
    // far as its controls allow, and the rest of its content scrolls; a
    // window that had to shrink, or asked `wholly`, is moved wholly onto the
    // screen, and goes back to its own place once it fits again. It runs on
    // every show, once the desktop has framed the window and after the
    // window's code or layout changes its size, so a caller needs it only
    // after placing a shown window itself. On a screen the window fits
    // nothing changes. Each show also brings the window's title bar and
    // close button onto the screen, moving it just enough.
    void fitToScreen(bool wholly = false);
    // The client size the window's code and layout ask for: its size, or,
    // while its content scrolls, the size that content would take.
    QSize wantedSize() const;
    // Asks for that client size once pending layout changes have settled
    // (a panel just shown or hidden), fitted to the screen.
    void setWantedSize(const QSize& size);
    // The area that scrolls the window's controls while the window is cut
    // to the screen; nullptr while it shows whole.
    QScrollArea* scrollArea() const { return scorrimento_; }

    // Runs `body` as the handler `name` of this window.
    void runHandler(const QString& name, const std::function<void()>& body);

    // A slot for connect(): runs fn through runHandler with as many of the
    // signal's arguments as fn takes.
    template <class F>
    auto handler(const QString& name, F fn)
    {
        return [this, name, fn](auto&&... args) mutable -> void {
            auto t = std::tie(args...);
            runHandler(name, [&] { detail::invokePrefix<sizeof...(args)>(fn, t); });
        };
    }

    // connect(sender, signal, this, handler(name, fn)).
    template <class Sender, class Signal, class F>
    QMetaObject::Connection on(Sender* sender, Signal signal, const QString& name, F fn)
    {
        return connect(sender, signal, this, handler(name, std::move(fn)));
    }

    // The button Enter presses when the focus is not on another push button.
    void setDefaultButton(QPushButton* button);
    QPushButton* defaultButton() const { return defaultButton_; }

    int runningHandlers() const { return running_; }

protected:
    // Load: once, right after construction, before the window is shown.
    virtual void formLoad() {}
    // Activate: each time the window becomes the program's active window.
    virtual void formActivate() {}
    // Resize: size or window state changed while loaded.
    virtual void formResize() {}
    virtual void queryUnload(int unloadMode, bool& cancel)
    {
        (void)unloadMode;
        (void)cancel;
    }
    virtual void formUnload(bool& cancel) { (void)cancel; }

    bool event(QEvent* e) override;
    void closeEvent(QCloseEvent* e) override;
    void hideEvent(QHideEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;
    void changeEvent(QEvent* e) override;

private:
    friend class Forms;
    friend bool vbUnload(Form* f, int unloadMode);

    void load();
    void noteActivated();
    void adoptOwner(QWidget* owner);
    bool placed() const;
    void placeOnFirstShow();
    // The frame and the fitting to the screen (FormScreen.cpp).
    bool framed() const;
    QMargins ownFrameMargins() const;
    QPoint frameOrigin() const;
    bool framingPending() const;
    void askFrameOrigin(const QPoint& origin);
    void noteFrameEvent(QEvent* e);
    void noteFramed();
    QSize neededSize() const;
    bool fitSize(const QSize& massimo);
    void wrapInScrollArea();
    void unwrapScrollArea();
    void moveWhollyInside(const QRect& area, bool forced);
    void backToOwnPlace();
    // Brings the shown window's title bar and close button onto the
    // available screen, moving it just enough.
    void keepTitleBarInside();
    // Wide enough for the desktop's title bar to show the whole title.
    void widenForTitle();
    void fitLater();
    friend class ContenutoScorrevole;
    friend void deliverOverrideFrames();
    void destroyWhenIdle();
    void leaveHandler(bool ending);

    bool loaded_ = false;
    bool unloading_ = false;
    bool destroyPending_ = false;
    bool orphan_ = false;   // its owner went while a handler of its ran
    int running_ = 0;
    QEventLoop* modalLoop_ = nullptr;
    QPointer<QPushButton> defaultButton_;

    // While cut to the screen: the scroll area (its widget holds the
    // controls), the size asked for, and the window's own size limits,
    // given back when it shows whole again.
    QScrollArea* scorrimento_ = nullptr;
    QSize progetto_;
    QSize minimoProprio_, massimoProprio_;
    bool adattando_ = false;
    bool adattamentoInAttesa_ = false;

    // The frame's origin meant for a window shown but not yet framed, until
    // the desktop has told where it put the frame.
    std::optional<QPoint> origineChiesta_;
    // Framed by the override's desktop (deliverOverrideFrames).
    bool corniceConsegnata_ = false;
    // The frame assumed by a frame size set before the window was framed.
    std::optional<QMargins> corniceSupposta_;
    // Framed since its last show.
    bool incorniciata_ = false;
    // While the window stands where fitting the screen forced it: its own
    // place and the forced one.
    std::optional<QPoint> postoProprio_;
    QPoint postoForzato_;
};

// findChild<T>(name) limited to the window's own controls: the windows it
// owns (its QObject children too) are not searched.
template <class T>
T* findControl(const QWidget* window, const QString& name)
{
    for (QObject* o : window->children()) {
        auto* w = qobject_cast<QWidget*>(o);
        if (!w || w->isWindow())
            continue;
        if (auto* t = qobject_cast<T*>(w); t && w->objectName() == name)
            return t;
        if (T* found = findControl<T>(w, name))
            return found;
    }
    return nullptr;
}

// Unload: queryUnload, formUnload; unless cancelled the window is hidden,
// leaves Forms and is destroyed once none of its handlers runs. Returns
// false when cancelled. A window already unloaded counts as unloaded.
bool vbUnload(Form* f, int unloadMode = vbFormCode);

// Ends the process (platform().process().end()) as soon as no handler of any
// window is running: at once when called outside every handler.
void endProcessWhenIdle();

// The loaded windows, in load order (the main window first).
class Forms {
public:
    // The single instance of F: loaded (constructed, then Load) when needed,
    // not shown.
    template <class F>
    static F* get()
    {
        for (Form* f : all())
            if (auto* found = dynamic_cast<F*>(f))
                return found;
        return create<F>();
    }

    // A new instance, loaded, not shown.
    template <class F>
    static F* create()
    {
        auto* f = new F();
        f->load();
        return f;
    }

    // Loaded instance of F, or nullptr; never loads.
    template <class F>
    static F* find()
    {
        for (Form* f : all())
            if (auto* found = dynamic_cast<F*>(f))
                return found;
        return nullptr;
    }

    static std::vector<Form*> all();
    static int count() { return static_cast<int>(all().size()); }

    // FormCorrente: the window being set up.
    static inline QPointer<Form> current;

private:
    friend class Form;
    friend bool vbUnload(Form* f, int unloadMode);
    static std::vector<QPointer<Form>>& list();
    static inline QPointer<Form> active_;
};

} // namespace compat
