#include "choicebox.h"

#include <QFocusEvent>
#include <QLineEdit>

namespace gridora::app {

ChoiceBox::ChoiceBox(QWidget *parent) : QComboBox(parent)
{
    setEditable(true);
    setInsertPolicy(QComboBox::NoInsert);
    // QComboBox has already handled Enter when this runs: a matching text has
    // chosen its entry, so whatever still differs matches none.
    connect(lineEdit(), &QLineEdit::returnPressed, this, &ChoiceBox::settleTypedText);
}

void ChoiceBox::settleTypedText()
{
    const int current = currentIndex();
    const QString typed = currentText();
    if (current >= 0 && typed == itemText(current))
        return;
    const int match = findText(typed, Qt::MatchFixedString); // whole text, any case
    if (match >= 0 && !typed.isEmpty()) {
        setCurrentIndex(match);
        setEditText(itemText(match));
        emit activated(match);
        emit textActivated(itemText(match));
        return;
    }
    setEditText(current >= 0 ? itemText(current) : QString());
}

void ChoiceBox::focusOutEvent(QFocusEvent *event)
{
    QComboBox::focusOutEvent(event);
    // Opening the list moves focus into it; the typing is not over yet.
    if (event->reason() != Qt::PopupFocusReason)
        settleTypedText();
}

} // namespace gridora::app
