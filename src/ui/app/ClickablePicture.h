#pragma once

#include <QLabel>

namespace cssbinder {

// A picture whose click is a command, like the banner and the flags.
class ClickablePicture : public QLabel {
    Q_OBJECT
public:
    explicit ClickablePicture(QWidget* parent);

signals:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
};

} // namespace cssbinder
