#include "ui/app/RadioGroup.h"

#include <QAbstractButton>
#include <QButtonGroup>

namespace cssbinder {

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

} // namespace cssbinder
