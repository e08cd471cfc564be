#include "compat/ui/DatePicker.h"

#include "compat/ui/Controls.h"
#include "compat/ui/Platform.h"

#include <QCalendarWidget>
#include <QChildEvent>
#include <QClipboard>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QTimer>
#include <algorithm>
#include <optional>
#include <utility>

namespace compat {

namespace {

// dd/MM/yyyy: where each section stands in the text.
constexpr int kStart[] = {0, 3, 6};
constexpr int kLength[] = {2, 2, 4};
constexpr int kTextLength = 10;

int sectionOf(int position)
{
    return position <= 2 ? 0 : position <= 5 ? 1 : 2;
}

bool isDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

bool isSeparator(QChar c)
{
    return c == u'/' || c == u'-' || c == u'.';
}

// Sections 0, 1, 2 are the day, the month and the year. A section is full
// when no further digit could follow: what the month on show is does not
// matter, so "31/03" typed over February is 31/03.
bool sectionFull(int section, const QString& digits)
{
    const QChar last = digits.back();
    return section == 2 ? digits.size() == 4
                        : digits.size() == 2 || last > (section == 0 ? u'3' : u'1');
}

// A text that is a whole date as the keys type it from the day: every
// section reached in turn (by a separator or by filling the one before) and
// given digits, the year its four, and nothing else but blanks around it.
std::optional<std::array<int, 3>> wholeDate(const QString& text)
{
    std::array<int, 3> parts{};
    int section = 0;
    QString digits;
    bool movedOn = false;
    for (const QChar c : text.trimmed()) {
        if (section == 2 && digits.size() == 4)
            return std::nullopt;   // past the year
        if (isDigit(c)) {
            digits += c;
            parts[size_t(section)] = digits.toInt();
            movedOn = section < 2 && sectionFull(section, digits);
            if (movedOn) {
                ++section;
                digits.clear();
            }
        } else if (isSeparator(c)) {
            if (std::exchange(movedOn, false))
                continue;   // the move the full section made already
            if (section == 2 || digits.isEmpty())
                return std::nullopt;   // a separator in the year, or a section left empty
            ++section;
            digits.clear();
        } else {
            return std::nullopt;
        }
    }
    if (section != 2 || digits.size() != 4)
        return std::nullopt;
    return parts;
}

} // namespace

DatePicker::DatePicker(QWidget* parent) : QDateEdit(parent)
{
    setDisplayFormat(QStringLiteral("dd/MM/yyyy"));
    // The month calendar takes clicks and keys only: the editor of its own
    // that a typed digit opens reads dd/MM/yyyy as no date, which then puts
    // the picker on its minimum date.
    setCalendarPopup(true);
    calendarWidget()->setDateEditEnabled(false);
    // The keys move the calendar's highlighted day only: the picker takes it
    // on Enter or a click, and keeps its date when Esc closes the calendar.
    // (Qt puts the picker on every day the keys pass over.)
    calendarPopup_ = calendarWidget()->parentWidget();
    disconnect(calendarPopup_, SIGNAL(newDateSelected(QDate)), this, SLOT(setDate(QDate)));
    calendarPopup_->installEventFilter(this);
    // The wheel does not take the focus, as in the original: it reaches only
    // the control that has it.
    setFocusPolicy(Qt::StrongFocus);
    committed_ = date();
    lineEdit()->installEventFilter(this);
    connect(this, &QDateEdit::dateChanged, this, &DatePicker::changed);
    // Text put in past the keys (the selection pasted with the middle
    // button) is read once the editor is done with it.
    connect(lineEdit(), &QLineEdit::textEdited, this, [this](const QString& text) {
        foreign_ = text;
        QTimer::singleShot(0, this, &DatePicker::adoptForeignText);
    });
}

void DatePicker::changed(QDate date)
{
    if (applying_ && date == typedDate())
        return;
    // Set by code, picked in the calendar or stepped: any typing ends here.
    typing_ = false;
    restart();
    if (date != committed_) {
        committed_ = date;
        emit dateCommitted(date);
    }
}

// The section the next key goes to. A selection this picker did not make (a
// click elsewhere, Ctrl+A, the focus arriving) starts the typing afresh
// there; all the text selected starts it at the day.
int DatePicker::typingSection()
{
    QLineEdit* e = lineEdit();
    if (selLength_ > 0 && e->selectionStart() == selStart_ && e->selectionLength() == selLength_)
        return section_;
    restart();
    if (!e->hasSelectedText())
        section_ = sectionOf(e->cursorPosition());
    else if (e->selectionLength() >= e->text().size())
        section_ = Day;
    else
        section_ = sectionOf(e->selectionStart());
    return section_;
}

void DatePicker::selectSection(int section)
{
    section_ = section;
    selStart_ = kStart[section];
    selLength_ = kLength[section];
    // With a selection the editor takes it as the current section (the one
    // the arrows step) without reading the text again.
    lineEdit()->setSelection(selStart_, selLength_);
}

void DatePicker::restart()
{
    digits_.clear();
    movedOn_ = false;
}

void DatePicker::beginTyping()
{
    if (typing_)
        return;
    typing_ = true;
    before_ = date();
    parts_ = {before_.day(), before_.month(), before_.year()};
}

void DatePicker::typeDigit(QChar digit)
{
    const int s = typingSection();
    beginTyping();
    digits_ += digit;
    parts_[s] = digits_.toInt();
    const bool full = sectionFull(s, digits_);
    showTyped();
    if (!full) {
        movedOn_ = false;
        selectSection(s);
        return;
    }
    digits_.clear();
    movedOn_ = s != Year;
    selectSection(s == Year ? s : s + 1);
    if (s == Year && allowed(typedDate()))
        commit();
}

void DatePicker::typeSeparator()
{
    const int s = typingSection();
    if (movedOn_) {
        // The full section moved on already: this separator is that move.
        movedOn_ = false;
        return;
    }
    digits_.clear();
    selectSection(std::min(s + 1, int(Year)));
}

void DatePicker::typeText(const QString& text)
{
    for (const QChar c : text) {
        if (isDigit(c))
            typeDigit(c);
        else if (isSeparator(c))
            typeSeparator();
    }
}

// A date the typing reached is the picker's date at once (its Change runs);
// one that does not exist, or not yet (a year half typed), is only shown.
void DatePicker::showTyped()
{
    const QDate d = typedDate();
    if (allowed(d) && d != date()) {
        FlagScope scope(applying_);
        setDate(d);
        if (!typing_)
            return;   // a handler put the picker on another date meanwhile
    }
    const QLatin1Char zero('0');
    const QString text = QStringLiteral("%1/%2/%3")
                             .arg(parts_[Day], 2, 10, zero)
                             .arg(parts_[Month], 2, 10, zero)
                             .arg(parts_[Year], 4, 10, zero);
    if (lineEdit()->text() != text)
        lineEdit()->setText(text);
}

bool DatePicker::allowed(QDate date) const
{
    return date.isValid() && date >= minimumDate() && date <= maximumDate();
}

QDate DatePicker::typedDate() const
{
    return QDate(parts_[Year], parts_[Month], parts_[Day]);
}

// Ends the typing: a date that exists stands and counts as committed; one
// that does not is refused, once, and the picker goes back to the date it had.
bool DatePicker::commit()
{
    restart();
    if (!typing_)
        return true;
    typing_ = false;
    if (allowed(typedDate())) {
        if (date() != committed_) {
            committed_ = date();
            emit dateCommitted(committed_);
        }
        return true;
    }
    setDate(before_);
    const QString text = textFromDateTime(dateTime());
    if (lineEdit()->text() != text)
        lineEdit()->setText(text);
    if (hasFocus())
        selectSection(section_);
    vbMsgBox(QStringLiteral("Data errata !"), vbExclamation);
    return false;
}

// A paste is a whole date or nothing: whatever section is selected, a whole
// date in any form the keys take is the picker's date (one that does not exist
// is refused as when typed); any other text changes nothing.
void DatePicker::paste()
{
    if (isReadOnly())
        return;
    const auto parts = wholeDate(QGuiApplication::clipboard()->text());
    if (!parts)
        return;
    beginTyping();
    restart();
    parts_ = *parts;
    showTyped();
    selectSection(Year);
    commit();
}

// The editor takes a whole date as it is and drops (or shows as it stands)
// anything else: that text is read here as typed from the day, so that a
// date that does not exist is told as when it is typed.
void DatePicker::adoptForeignText()
{
    const QString text = std::exchange(foreign_, QString());
    if (text.isNull() || (!typing_ && text == textFromDateTime(dateTime())))
        return;
    beginTyping();
    showTyped();
    selectSection(Day);
    typeText(text);
    commit();
}

void DatePicker::keyPressEvent(QKeyEvent* event)
{
    const bool shiftInsert =
        event->key() == Qt::Key_Insert && event->modifiers() == Qt::ShiftModifier;
    if (event->matches(QKeySequence::Paste) || shiftInsert) {
        event->accept();
        paste();
        return;
    }
    switch (event->key()) {
    case Qt::Key_Left:
    case Qt::Key_Right: {
        const int s = typingSection() + (event->key() == Qt::Key_Left ? -1 : 1);
        restart();
        selectSection(std::clamp(s, int(Day), int(Year)));
        event->accept();
        return;
    }
    case Qt::Key_Home:
    case Qt::Key_End:
        restart();
        selectSection(event->key() == Qt::Key_Home ? Day : Year);
        event->accept();
        return;
    case Qt::Key_Backspace:
    case Qt::Key_Delete:
        // The section stays; the next digit starts it afresh.
        typingSection();
        restart();
        event->accept();
        return;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        commit();
        break;
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
        if (!commit()) {
            event->accept();
            return;
        }
        break;
    default: {
        const QString text = event->text();
        const bool plain =
            !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier));
        if (plain && text.size() == 1 && text[0].isPrint()) {
            event->accept();
            if (isReadOnly())
                return;
            if (isDigit(text[0]))
                typeDigit(text[0]);
            else if (isSeparator(text[0]))
                typeSeparator();
            return;
        }
    }
    }
    QDateEdit::keyPressEvent(event);
}

// Without the focus the wheel goes on to the window, which gives it to the
// control that has the focus (the draw table's scroll bar steps with it).
void DatePicker::wheelEvent(QWheelEvent* event)
{
    if (!hasFocus()) {
        event->ignore();
        return;
    }
    if (!commit()) {
        event->accept();
        return;
    }
    QDateEdit::wheelEvent(event);
}

// The calendar's button: a date half typed is settled before the calendar opens.
void DatePicker::mousePressEvent(QMouseEvent* event)
{
    if (!commit()) {
        event->accept();
        return;
    }
    QDateEdit::mousePressEvent(event);
}

// The focus that comes by the keys (Tab, Shift+Tab, a window's first focus)
// selects the day, so that a date typed whole is read whole: Qt selects the
// year on Shift+Tab. A click selects its own section; the calendar closing
// and the window coming back leave the selection as it was.
void DatePicker::focusInEvent(QFocusEvent* event)
{
    QDateEdit::focusInEvent(event);
    restart();
    selLength_ = 0;
    const Qt::FocusReason reason = event->reason();
    if (reason == Qt::ActiveWindowFocusReason ? !lineEdit()->hasSelectedText()
                                              : reason != Qt::MouseFocusReason &&
                                                    reason != Qt::PopupFocusReason)
        selectSection(Day);
}

void DatePicker::focusOutEvent(QFocusEvent* event)
{
    commit();
    QDateEdit::focusOutEvent(event);
}

// Tab and Shift+Tab leave the picker, the typing settled as the focus goes:
// walking the sections instead, they put what a user types into the next
// picker into this one's month.
bool DatePicker::focusNextPrevChild(bool next)
{
    return QAbstractSpinBox::focusNextPrevChild(next);
}

bool DatePicker::eventFilter(QObject* watched, QEvent* event)
{
    // The calendar's day table takes the keys from the calendar's opening on:
    // disabling the picker takes the focus from it for good otherwise.
    if (watched == calendarPopup_ && event->type() == QEvent::Show)
        calendarWidget()->setFocus(Qt::PopupFocusReason);
    if (watched == lineEdit()) {
        switch (event->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick: {
            const auto* mouse = static_cast<QMouseEvent*>(event);
            if (mouse->button() != Qt::LeftButton)
                break;
            if (!hasFocus())
                setFocus(Qt::MouseFocusReason);
            restart();
            selectSection(sectionOf(lineEdit()->cursorPositionAt(mouse->position().toPoint())));
            return true;
        }
        case QEvent::ChildPolished:
            // The context menu, about to show: its paste would put the
            // clipboard beside the date shown, which the editor then drops.
            // It pastes as Ctrl+V does instead (the editor wires it by name).
            if (auto* menu = qobject_cast<QMenu*>(static_cast<QChildEvent*>(event)->child())) {
                for (QAction* a : menu->actions()) {
                    if (disconnect(a, SIGNAL(triggered()), lineEdit(), SLOT(paste())))
                        connect(a, &QAction::triggered, this, &DatePicker::paste);
                }
            }
            break;
        case QEvent::MouseMove:
            // No selection by dragging: a click selects one section.
            if (static_cast<QMouseEvent*>(event)->buttons() & Qt::LeftButton)
                return true;
            break;
        default:
            break;
        }
    }
    return QDateEdit::eventFilter(watched, event);
}

QValidator::State DatePicker::validate(QString& text, int& pos) const
{
    const auto foreign = [](QChar c) { return !isDigit(c) && !isSeparator(c); };
    if (text.size() > kTextLength || std::any_of(text.begin(), text.end(), foreign))
        return QValidator::Invalid;
    const bool whole = text.size() == kTextLength && text[2] == u'/' && text[5] == u'/';
    if (whole && allowed(QDate(text.mid(6).toInt(), text.mid(3, 2).toInt(), text.left(2).toInt())))
        return QDateEdit::validate(text, pos);
    // Shown as it stands until the typing ends; never completed here.
    return QValidator::Intermediate;
}

void DatePicker::fixup(QString&) const
{
    // An incomplete date or one that does not exist is never made into
    // another date: left alone, it brings the picker back to the date it had.
}

} // namespace compat
