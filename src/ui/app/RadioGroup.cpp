#include "ui/app/RadioGroup.h"

#include "ui/app/DialogTemplate.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QFocusEvent>

namespace cssbinder {

QButtonGroup& RadioGroupOf(const QWidget& dialog, int firstControlId) {
    return *ControlOf<QRadioButton>(dialog, firstControlId)->group();
}

int RadioIndex(const QButtonGroup& group) {
    return group.checkedId();
}

void SetRadioIndex(QButtonGroup& group, int index) {
    // An exclusive group keeps one button checked; it lets go only while it is not exclusive.
    group.setExclusive(false);
    for (QAbstractButton* button : group.buttons()) {
        button->setChecked(group.id(button) == index);
    }
    group.setExclusive(true);
}

void GroupRadioButton::focusInEvent(QFocusEvent* event) {
    QAbstractButton* checked = group() != nullptr ? group()->checkedButton() : nullptr;
    const bool tabbed = event->reason() == Qt::TabFocusReason || event->reason() == Qt::BacktabFocusReason;
    if (tabbed && checked != nullptr && checked != this) {
        checked->setFocus(event->reason());
        return;
    }
    QRadioButton::focusInEvent(event);
}

} // namespace cssbinder
