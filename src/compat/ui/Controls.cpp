#include "compat/ui/Controls.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QDateEdit>
#include <QLineEdit>

namespace compat {

namespace {
const char* const settingDate = "vbSettingDate";
}

void vbPress(QAbstractButton* button)
{
    if (button)
        Q_EMIT button->clicked(button->isChecked());
}

int vbValue(const QAbstractButton* button)
{
    return button && button->isChecked() ? 1 : 0;
}

void vbSetText(QLineEdit* box, const QString& text)
{
    if (!box)
        return;
    if (box->text() == text)
        Q_EMIT box->textChanged(text);
    else
        box->setText(text);
}

void vbSetComboText(QComboBox* box, const QString& text)
{
    if (!box)
        return;
    const int index = box->findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive);
    if (index >= 0) {
        box->setCurrentIndex(index);
    } else if (box->isEditable()) {
        box->setCurrentIndex(-1);
        box->setEditText(text);
    }
}

void vbSetDate(QDateEdit* picker, QDate date)
{
    if (!picker)
        return;
    const QVariant before = picker->property(settingDate);
    picker->setProperty(settingDate, true);
    try {
        picker->setDate(date);
    } catch (...) {
        picker->setProperty(settingDate, before);
        throw;
    }
    picker->setProperty(settingDate, before);
}

bool vbDateSetByCode(const QDateEdit* picker)
{
    return picker && picker->property(settingDate).toBool();
}

void vbDoEvents()
{
    QCoreApplication::processEvents();
}

BusyCursor::BusyCursor()
{
    QApplication::setOverrideCursor(Qt::WaitCursor);
}

BusyCursor::~BusyCursor()
{
    QApplication::restoreOverrideCursor();
}

DisabledScope::DisabledScope(QWidget* w) : w_(w)
{
    if (w_)
        w_->setEnabled(false);
}

DisabledScope::~DisabledScope()
{
    if (w_)
        w_->setEnabled(true);
}

} // namespace compat
