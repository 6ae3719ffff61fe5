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
    PictureButton,    // a clickable picture that Tab also reaches and Space clicks, like a language flag
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
// eighth of them). A window too large for its screen scales them down, its font and pictures with them.
constexpr int DialogUnitsToPixelsX(int units, double scale = 1.0) {
    return static_cast<int>(units * 6 * scale / 4);
}
constexpr int DialogUnitsToPixelsY(int units, double scale = 1.0) {
    return static_cast<int>(units * 13 * scale / 8);
}
inline QRect DialogUnitsToPixels(int x, int y, int width, int height, double scale = 1.0) {
    return {DialogUnitsToPixelsX(x, scale), DialogUnitsToPixelsY(y, scale),
            DialogUnitsToPixelsX(width, scale), DialogUnitsToPixelsY(height, scale)};
}

// Creates the controls of a template as children of the dialog, in template order (which is also the
// tab order), and returns them in that order. Each control's object name is its ID; radio buttons of
// one group share a QButtonGroup whose ids are their indices in the group.
QList<QWidget*> BuildDialogControls(QWidget& dialog, std::span<const ControlTemplate> controls);

// Places the built controls of a dialog again at a scale of the dialog units, in the dialog font and
// style of that scale, their pictures scaled with them.
void LayOutDialogControls(QWidget& dialog, std::span<const ControlTemplate> controls,
                          const QList<QWidget*>& widgets, double scale);

// The control of a built template by its ID.
template <typename Control> Control* ControlOf(const QWidget& dialog, int controlId) {
    auto* control = dialog.findChild<Control*>(QString::number(controlId), Qt::FindDirectChildrenOnly);
    Q_ASSERT(control != nullptr);
    return control;
}

// Sets the caption of a button or the title of a group box.
void SetCaption(QWidget& control, const QString& caption);

} // namespace cssbinder
