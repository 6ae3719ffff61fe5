#pragma once

#include <QGroupBox>

namespace cssbinder {

// A group box drawn the classic way: the frame line runs through the middle of the title, so the
// frame starts where the template puts it and the controls inside keep clear of it.
class GroupFrame : public QGroupBox {
    Q_OBJECT
public:
    GroupFrame(const QString& title, QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;
};

} // namespace cssbinder
