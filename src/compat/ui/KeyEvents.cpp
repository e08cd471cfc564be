#include "compat/ui/KeyEvents.h"

#include "compat/ui/Form.h"

#include <QEvent>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QPointer>

namespace compat {

namespace {

int codiceTasto(const QKeyEvent* e)
{
    switch (e->key()) {
    case Qt::Key_Backspace: return 8;
    case Qt::Key_Return:
    case Qt::Key_Enter: return 13;
    case Qt::Key_Escape: return 27;
    default: break;
    }
    const QString t = e->text();
    if (t.size() != 1 || t.at(0).unicode() > 255)
        return -1;
    return t.at(0).unicode();
}

class Filtro : public QObject {
public:
    Filtro(Form* form, QWidget* control, QEvent::Type tipo, QString name,
           std::function<bool(QEvent*)> fn)
        : QObject(control), form_(form), tipo_(tipo), name_(std::move(name)), fn_(std::move(fn))
    {
        control->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject*, QEvent* e) override
    {
        if (e->type() != tipo_ || !form_)
            return false;
        bool mangiato = false;
        form_->runHandler(name_, [&] { mangiato = fn_(e); });
        return mangiato;
    }

private:
    QPointer<Form> form_;
    QEvent::Type tipo_;
    QString name_;
    std::function<bool(QEvent*)> fn_;
};

} // namespace

void onKeyPress(Form* form, QWidget* control, const QString& name, std::function<int(int)> fn)
{
    new Filtro(form, control, QEvent::KeyPress, name, [fn = std::move(fn)](QEvent* e) {
        const int codice = codiceTasto(static_cast<QKeyEvent*>(e));
        return codice >= 0 && fn(codice) == 0;
    });
}

void onGotFocus(Form* form, QWidget* control, const QString& name, std::function<void()> fn)
{
    new Filtro(form, control, QEvent::FocusIn, name, [fn = std::move(fn)](QEvent*) {
        fn();
        return false;
    });
}

void onLostFocus(Form* form, QWidget* control, const QString& name,
                 std::function<void(Qt::FocusReason)> fn)
{
    new Filtro(form, control, QEvent::FocusOut, name, [fn = std::move(fn)](QEvent* e) {
        fn(static_cast<QFocusEvent*>(e)->reason());
        return false;
    });
}

} // namespace compat
