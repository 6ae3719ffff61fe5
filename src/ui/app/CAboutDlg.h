#pragma once

#include <QDialog>

namespace cssbinder {

// The About box: the program's credits and an OK button.
class CAboutDlg : public QDialog {
    Q_OBJECT
public:
    explicit CAboutDlg(QWidget* parent);
};

} // namespace cssbinder
