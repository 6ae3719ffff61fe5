#pragma once

#include "ui/app/DialogTemplate.h"

#include <QDialog>
#include <QString>

#include <span>

namespace cssbinder {

// The tool's dialogs: a fixed-size window with a title, a close box and the dialog font, whose controls
// come from its template. The first time it is shown, before it becomes visible, it scales its dialog
// units down if it would not fit its screen, then runs its start-up, OnInitDialog, so that no one sees
// its controls before they are filled. Its buttons 1 and 2, where it has them, are OK and Cancel.
class CDialog : public QDialog {
    Q_OBJECT
public:
    // The size is in dialog units.
    CDialog(QWidget* parent, const QString& title, std::span<const ControlTemplate> controls, int width,
            int height);

    void setVisible(bool visible) override;

protected:
    virtual void OnInitDialog() {}
    virtual void OnOK() { accept(); }
    virtual void OnCancel() { reject(); }
    // Places the window, frame included, in the middle of the free room of its screen.
    void CentreOnScreen();

private:
    void FitScreen();
    QScreen* TargetScreen() const;
    QMargins FrameMargins() const;

    std::span<const ControlTemplate> m_controls;
    QList<QWidget*> m_widgets;
    int m_nWidth;
    int m_nHeight;
    bool m_bInitialized = false;
};

} // namespace cssbinder
