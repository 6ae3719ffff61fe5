#pragma once

class QButtonGroup;

namespace cssbinder {

// The index of the checked button of a radio group, -1 when none is.
int RadioIndex(const QButtonGroup& group);
// Checks the button of that index; -1 (or any index outside the group) clears every button.
void SetRadioIndex(QButtonGroup& group, int index);

} // namespace cssbinder
