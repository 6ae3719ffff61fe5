#pragma once

#include <QRect>
#include <QString>
#include <QWidget>

#include <span>

namespace cssbinder {

enum class ControlKind {
    RadioGroupStart, // the first radio button of a group of exclusive buttons
    Radio,
    CheckBox,
    PushButton,
    DefaultPushButton, // pressed by Enter; only in dialogs without text fields
    HiddenPushButton,
    GroupBox,
    Text, // a static text that wraps onto further lines
    Edit,
    CentredEdit,
    MultiLineEdit,
    DropDownList,
    Picture,          // shows a drawn bitmap, at the bitmap's own size
    ClickablePicture, // a picture whose click is a command
    CrosshairPreview, // the place of the drawn crosshair preview
    GammaTrackbar,    // the gamma preview's slider, ticks above
};

// One control of a dialog template: its ID (-1 for a static control that has none), kind, template
// caption (UTF-8) and rectangle in dialog units.
struct ControlTemplate {
    int id;
    ControlKind kind;
    const char* caption;
    int x;
    int y;
    int width;
    int height;
    int bitmap = 0;
};

// Dialog units of the dialog font: horizontal base unit 6, vertical 13 (a unit is a quarter and an
// eighth of them).
constexpr int DialogUnitsToPixelsX(int units) {
    return units * 6 / 4;
}
constexpr int DialogUnitsToPixelsY(int units) {
    return units * 13 / 8;
}
inline QRect DialogUnitsToPixels(int x, int y, int width, int height) {
    return {DialogUnitsToPixelsX(x), DialogUnitsToPixelsY(y), DialogUnitsToPixelsX(width),
            DialogUnitsToPixelsY(height)};
}

// Creates the controls of a template as children of the dialog, in template order (which is also the
// tab order). Each control's object name is its ID; radio buttons of one group share a QButtonGroup
// whose ids are their indices in the group.
void BuildDialogControls(QWidget& dialog, std::span<const ControlTemplate> controls);

// The control of a built template by its ID.
template <typename Control> Control* ControlOf(const QWidget& dialog, int controlId) {
    auto* control = dialog.findChild<Control*>(QString::number(controlId), Qt::FindDirectChildrenOnly);
    Q_ASSERT(control != nullptr);
    return control;
}

// Sets the caption of a button or the title of a group box.
void SetCaption(QWidget& control, const QString& caption);

} // namespace cssbinder
