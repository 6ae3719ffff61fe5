#include "ui/app/CDialog.h"

#include "core/layout/WindowFit.h"
#include "ui/app/DialogFont.h"

#include <QAbstractButton>
#include <QApplication>
#include <QScreen>

namespace cssbinder {
namespace {

// Title bar and borders of a window whose frame the window system has not told yet: a common title bar
// at 100 % and thin borders; a larger one scaled by the desktop is smaller in the window's pixels.
constexpr QMargins kFrameAllowance(4, 38, 4, 4);

} // namespace

CDialog::CDialog(QWidget* parent, const QString& title, std::span<const ControlTemplate> controls, int width,
                 int height)
    : QDialog(parent,
              Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint),
      m_controls(controls), m_nWidth(width), m_nHeight(height) {
    setWindowTitle(title);
    setFont(DialogFont());
    // A text field lays out its empty text in the application's font before it takes the dialog's;
    // with the dialog's font as the application's meanwhile, no other font is loaded for that alone.
    const QFont applicationFont = QApplication::font();
    QApplication::setFont(font());
    m_widgets = BuildDialogControls(*this, controls);
    QApplication::setFont(applicationFont);
    setFixedSize(DialogUnitsToPixelsX(width), DialogUnitsToPixelsY(height));
    if (auto* ok = findChild<QAbstractButton*>(QStringLiteral("1"), Qt::FindDirectChildrenOnly)) {
        connect(ok, &QAbstractButton::clicked, this, [this] { OnOK(); });
    }
    if (auto* cancel = findChild<QAbstractButton*>(QStringLiteral("2"), Qt::FindDirectChildrenOnly)) {
        connect(cancel, &QAbstractButton::clicked, this, [this] { OnCancel(); });
    }
}

void CDialog::setVisible(bool visible) {
    if (visible && !m_bInitialized) {
        m_bInitialized = true;
        FitScreen();
        OnInitDialog();
    }
    QDialog::setVisible(visible);
}

QScreen* CDialog::TargetScreen() const {
    // A dialog opens over its owner; the main window on the screen it was given, or the primary one.
    return parentWidget() != nullptr ? parentWidget()->screen() : screen();
}

QMargins CDialog::FrameMargins() const {
    // Every window of the tool gets the same frame: the owner's, once shown, tells it.
    if (const QWidget* owner = parentWidget(); owner != nullptr && owner->window()->isVisible()) {
        const QWidget* window = owner->window();
        const QRect frame = window->frameGeometry();
        const QRect client = window->geometry();
        const QMargins margins(client.left() - frame.left(), client.top() - frame.top(),
                               frame.right() - client.right(), frame.bottom() - client.bottom());
        if (!margins.isNull()) {
            // On a scaled screen each side is rounded to whole pixels, and may be one more on another window.
            return margins + QMargins(1, 1, 1, 1);
        }
    }
    return kFrameAllowance;
}

void CDialog::FitScreen() {
    const QRect room = TargetScreen()->availableGeometry();
    const QMargins frame = FrameMargins();
    const double scale = WindowFitScale({width(), height(), frame.left() + frame.right(),
                                         frame.top() + frame.bottom(), room.width(), room.height()});
    if (scale < 1.0) {
        LayOutDialogControls(*this, m_controls, m_widgets, scale);
        setFixedSize(DialogUnitsToPixelsX(m_nWidth, scale), DialogUnitsToPixelsY(m_nHeight, scale));
    }
}

void CDialog::CentreOnScreen() {
    const QRect room = screen()->availableGeometry();
    const QMargins frame = FrameMargins();
    const QSize outer = size().grownBy(frame);
    // The frame's top left corner is the window's position.
    move(room.topLeft() + QPoint(std::max(0, (room.width() - outer.width()) / 2),
                                 std::max(0, (room.height() - outer.height()) / 2)));
}

} // namespace cssbinder
