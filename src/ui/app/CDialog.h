#pragma once

#include <QDialog>

namespace cssbinder {

// The tool's dialogs: each runs its start-up, OnInitDialog, the first time it is shown and before it
// becomes visible, so that no one sees its controls before they are filled.
class CDialog : public QDialog {
    Q_OBJECT
public:
    using QDialog::QDialog;

    void setVisible(bool visible) override;

protected:
    virtual void OnInitDialog() = 0;

private:
    bool m_bInitialized = false;
};

} // namespace cssbinder
