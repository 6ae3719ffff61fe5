#pragma once

#include "ui/app/DialogTemplate.h"

#include <QDialog>
#include <QString>

#include <span>

namespace cssbinder {

// The tool's dialogs: a fixed-size window with a title, a close box and the dialog font, whose controls
// come from its template. Each runs its start-up, OnInitDialog, the first time it is shown and before
// it becomes visible, so that no one sees its controls before they are filled.
class CDialog : public QDialog {
    Q_OBJECT
public:
    // The size is in dialog units.
    CDialog(QWidget* parent, const QString& title, std::span<const ControlTemplate> controls, int width,
            int height);

    void setVisible(bool visible) override;

protected:
    virtual void OnInitDialog() = 0;

private:
    bool m_bInitialized = false;
};

} // namespace cssbinder
