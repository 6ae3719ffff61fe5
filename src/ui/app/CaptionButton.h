#pragma once

#include <QPushButton>

namespace cssbinder {

// A push button whose caption wraps onto a second line when it is wider than the button, as the
// longer captions of some languages are. It is never a default button: Enter in a text field must
// not press it.
class CaptionButton : public QPushButton {
    Q_OBJECT
public:
    explicit CaptionButton(QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;
};

} // namespace cssbinder
