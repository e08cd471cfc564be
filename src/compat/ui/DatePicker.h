#pragma once
// The original's date picker on a QDateEdit. QDateEdit leaves a click's
// cursor inside a section, decides when a section is full from the month on
// show (a "3" typed over February's day moves on at once), and fixes an
// impossible day up into another date (31/02 becomes 28/02 or 03/03). Here a
// click selects the section it lands in, typing replaces the selected section,
// a separator or a full section moves to the next one, and a date that does
// not exist is refused: the picker keeps the date it had. Qt also selects the
// year when Shift+Tab brings the focus back, pastes into the selected section,
// lets the wheel take the focus and step a section, and puts the picker on
// every day the calendar's keys pass over; here the keys' focus selects the
// day, a paste is a whole date or nothing, the wheel reaches only a picker
// that has the focus, and the calendar's day is taken by Enter or a click.
#include <QDate>
#include <QDateEdit>
#include <array>

namespace compat {

class DatePicker : public QDateEdit {
    Q_OBJECT

public:
    // Shows dates as dd/MM/yyyy, with a month calendar to pick from.
    explicit DatePicker(QWidget* parent = nullptr);

signals:
    // A change that is whole: every dateChanged except those of the digits
    // typed on the way to a date, which counts once it is complete (its
    // year's last digit, Enter, the focus leaving the box, a paste). A handler
    // that moves the focus or puts the picker on another date follows this,
    // so that it does not cut the typing short.
    void dateCommitted(QDate date);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    bool focusNextPrevChild(bool next) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    QValidator::State validate(QString& text, int& pos) const override;
    void fixup(QString& input) const override;

private:
    enum Section { Day, Month, Year };

    void changed(QDate date);
    int typingSection();
    void selectSection(int section);
    void restart();
    void beginTyping();
    void typeDigit(QChar digit);
    void typeSeparator();
    void typeText(const QString& text);
    void paste();
    void showTyped();
    bool allowed(QDate date) const;
    QDate typedDate() const;
    bool commit();
    void adoptForeignText();

    int section_ = Day;
    QString digits_;          // typed into the current section since it was entered
    bool movedOn_ = false;    // the last digit filled its section and moved on
    int selStart_ = -1;       // the selection this picker made last
    int selLength_ = 0;
    bool typing_ = false;     // digits typed and not yet committed
    bool applying_ = false;   // setting a date the typing reached
    std::array<int, 3> parts_{};   // day, month, year as typed
    QDate before_;            // the date when the typing began
    QString foreign_;         // text put in past the keys, not yet read
    QWidget* calendarPopup_ = nullptr;   // the window the calendar drops down in
    QDate committed_;
};

} // namespace compat
