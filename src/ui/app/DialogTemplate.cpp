#include "ui/app/DialogTemplate.h"

#include "ui/app/CaptionButton.h"
#include "ui/app/ClickablePicture.h"
#include "ui/app/DialogFont.h"
#include "ui/app/GroupFrame.h"
#include "ui/app/PictureControl.h"
#include "ui/app/RadioGroup.h"
#include "ui/app/ScaledStyle.h"
#include "ui/crosshair/CCrosshairPreview.h"
#include "ui/gamma/CGammaSliderCtrl.h"
#include "ui/res/Pictures.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>

namespace cssbinder {
namespace {

constexpr int kClosedListHeight = 15;

QWidget* CreatePicture(const ControlTemplate& control, QWidget& dialog, bool clickable) {
    const QImage bitmap = Bitmap(control.bitmap);
    return clickable ? new ClickablePicture(bitmap, &dialog) : new PictureControl(bitmap, &dialog);
}

QComboBox* CreateDropDownList(const ControlTemplate& control, QWidget& dialog) {
    auto* combo = new QComboBox(&dialog);
    const int rowHeight = combo->fontMetrics().height() + 2;
    combo->setMaxVisibleItems(std::max(1, DialogUnitsToPixelsY(control.height) / rowHeight - 1));
    return combo;
}

// One case per kind of control, kept in one switch without a default so that the compiler names any
// kind left out: that is why it is longer than a function usually is here.
QWidget* CreateControl(const ControlTemplate& control, QWidget& dialog) {
    const QString caption = QString::fromUtf8(control.caption);
    switch (control.kind) {
    case ControlKind::RadioGroupStart:
    case ControlKind::Radio:
        return new GroupRadioButton(caption, &dialog);
    case ControlKind::CheckBox:
        return new QCheckBox(caption, &dialog);
    case ControlKind::PushButton:
    case ControlKind::HiddenPushButton: {
        auto* button = new CaptionButton(&dialog);
        button->setText(caption);
        return button;
    }
    case ControlKind::DefaultPushButton: {
        auto* button = new QPushButton(caption, &dialog);
        button->setDefault(true);
        return button;
    }
    case ControlKind::GroupBox:
        return new GroupFrame(caption, &dialog);
    case ControlKind::Text: {
        auto* text = new QLabel(caption, &dialog);
        text->setWordWrap(true);
        return text;
    }
    case ControlKind::Edit:
        return new QLineEdit(&dialog);
    case ControlKind::CentredEdit: {
        auto* edit = new QLineEdit(&dialog);
        edit->setAlignment(Qt::AlignCenter);
        return edit;
    }
    case ControlKind::MultiLineEdit: {
        auto* edit = new QPlainTextEdit(&dialog);
        edit->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
        // Tab moves on to the next control: a tab character in a config line is no use to the game.
        edit->setTabChangesFocus(true);
        return edit;
    }
    case ControlKind::DropDownList:
        return CreateDropDownList(control, dialog);
    case ControlKind::Picture:
        return CreatePicture(control, dialog, false);
    case ControlKind::CrosshairPreview:
        return new CCrosshairPreview(&dialog);
    case ControlKind::ClickablePicture:
        return CreatePicture(control, dialog, true);
    case ControlKind::PictureButton: {
        QWidget* picture = CreatePicture(control, dialog, true);
        picture->setFocusPolicy(Qt::TabFocus);
        return picture;
    }
    case ControlKind::GammaTrackbar:
        return new CGammaSliderCtrl(&dialog);
    }
    return nullptr;
}

// A box's natural height comes from its kind, the font and the style, not from the words of its
// one-line caption; asking for it lays the caption out, so each kind is asked once per dialog.
class BoxHeights {
public:
    int Of(const ControlTemplate& control, const QWidget& box) {
        int& height = control.kind == ControlKind::CheckBox ? m_checkBox : m_radio;
        if (height == 0) {
            height = box.sizeHint().height();
        }
        return height;
    }

private:
    int m_radio = 0;
    int m_checkBox = 0;
};

QRect ControlGeometry(const ControlTemplate& control, const QWidget& widget, BoxHeights& boxHeights,
                      double scale) {
    QRect geometry = DialogUnitsToPixels(control.x, control.y, control.width, control.height, scale);
    switch (control.kind) {
    case ControlKind::Picture:
    case ControlKind::ClickablePicture:
    case ControlKind::PictureButton:
    case ControlKind::CrosshairPreview:
        // A picture control takes the size of its bitmap.
        geometry.setSize(widget.sizeHint());
        break;
    case ControlKind::DropDownList:
        // The template's height is that of the dropped list; the closed list keeps its natural height,
        // scaled down with its window no more than the 16 units between the lists stacked in a group.
        geometry.setHeight(widget.sizeHint().height());
        if (scale < 1.0) {
            geometry.setHeight(std::min(geometry.height(), DialogUnitsToPixelsY(kClosedListHeight, scale)));
        }
        break;
    case ControlKind::RadioGroupStart:
    case ControlKind::Radio:
    case ControlKind::CheckBox: {
        // The indicator of this style is taller than the template allows for; the box grows around
        // its middle line.
        const int height = std::max(geometry.height(), boxHeights.Of(control, widget));
        geometry.adjust(0, -(height - geometry.height()) / 2, 0, 0);
        geometry.setHeight(height);
        break;
    }
    default:
        break;
    }
    return geometry;
}

} // namespace

void SetCaption(QWidget& control, const QString& caption) {
    if (auto* button = qobject_cast<QAbstractButton*>(&control)) {
        button->setText(caption);
    } else if (auto* frame = qobject_cast<QGroupBox*>(&control)) {
        frame->setTitle(caption);
    }
}

QList<QWidget*> BuildDialogControls(QWidget& dialog, std::span<const ControlTemplate> controls) {
    QList<QWidget*> widgets;
    QButtonGroup* radioGroup = nullptr;
    QList<QGroupBox*> frames;
    BoxHeights boxHeights;
    for (const ControlTemplate& control : controls) {
        QWidget* widget = CreateControl(control, dialog);
        widgets.append(widget);
        widget->setObjectName(QString::number(control.id));
        widget->setGeometry(ControlGeometry(control, *widget, boxHeights, 1.0));
        widget->setVisible(control.kind != ControlKind::HiddenPushButton);

        if (control.kind == ControlKind::RadioGroupStart) {
            radioGroup = new QButtonGroup(&dialog);
        }
        if (control.kind == ControlKind::RadioGroupStart || control.kind == ControlKind::Radio) {
            radioGroup->addButton(static_cast<QRadioButton*>(widget),
                                  static_cast<int>(radioGroup->buttons().size()));
        } else {
            radioGroup = nullptr;
        }
        if (auto* frame = qobject_cast<QGroupBox*>(widget)) {
            frames.append(frame);
        }
    }
    // Frames are drawn under the controls they surround and never take their clicks.
    for (QGroupBox* frame : frames) {
        frame->setAttribute(Qt::WA_TransparentForMouseEvents);
        frame->lower();
    }
    return widgets;
}

void LayOutDialogControls(QWidget& dialog, std::span<const ControlTemplate> controls,
                          const QList<QWidget*>& widgets, double scale) {
    Q_ASSERT(static_cast<qsizetype>(controls.size()) == widgets.size());
    // A style is not inherited: every control, and every part of one, takes the scaled style itself.
    auto* style = new ScaledStyle(scale);
    style->setParent(&dialog);
    dialog.setStyle(style);
    for (QWidget* child : dialog.findChildren<QWidget*>()) {
        child->setStyle(style);
    }
    dialog.setFont(DialogFont(scale));
    BoxHeights boxHeights;
    for (qsizetype index = 0; index < widgets.size(); ++index) {
        if (auto* picture = qobject_cast<PictureControl*>(widgets[index])) {
            picture->SetScale(scale);
        }
        widgets[index]->setGeometry(
            ControlGeometry(controls[static_cast<std::size_t>(index)], *widgets[index], boxHeights, scale));
    }
}

} // namespace cssbinder
