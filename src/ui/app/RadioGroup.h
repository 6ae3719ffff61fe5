#pragma once

#include <QRadioButton>

class QButtonGroup;

namespace cssbinder {

// The group of a built template's radio buttons, by the ID of its first button.
QButtonGroup& RadioGroupOf(const QWidget& dialog, int firstControlId);
// The index of the checked button of a radio group, -1 when none is.
int RadioIndex(const QButtonGroup& group);
// Checks the button of that index; -1 (or any index outside the group) clears every button.
void SetRadioIndex(QButtonGroup& group, int index);

// A radio button of a group, which is one stop for Tab: Tab and Shift+Tab land on its checked button,
// where the arrows move the check from.
class GroupRadioButton : public QRadioButton {
    Q_OBJECT
public:
    using QRadioButton::QRadioButton;

protected:
    void focusInEvent(QFocusEvent* event) override;
};

} // namespace cssbinder
