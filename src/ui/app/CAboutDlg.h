#pragma once

#include "ui/app/CDialog.h"

namespace cssbinder {

// The About box: the program's credits and an OK button.
class CAboutDlg : public CDialog {
    Q_OBJECT
public:
    explicit CAboutDlg(QWidget* parent);
};

} // namespace cssbinder
