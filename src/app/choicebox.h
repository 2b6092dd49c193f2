#pragma once
// An editable drop-down list whose typed text can only pick one of its
// entries. Text that matches an entry (ignoring case) chooses it when the user
// presses Enter or leaves the box, as picking it from the list would; text
// that matches none is dropped and the box shows its current entry again, so
// the box always holds one of its entries.
//
// A choice the user makes is reported by `activated`; selections made from
// code are not.

#include <QComboBox>

namespace gridora::app {

class ChoiceBox : public QComboBox {
    Q_OBJECT
public:
    explicit ChoiceBox(QWidget *parent = nullptr);

    /// Takes what has been typed: chooses the matching entry or restores the
    /// current entry's text.
    void settleTypedText();

protected:
    void focusOutEvent(QFocusEvent *event) override;
};

} // namespace gridora::app
