#include "ui/app/CaptionButton.h"

#include <QStyleOptionButton>
#include <QStylePainter>

namespace cssbinder {

CaptionButton::CaptionButton(QWidget* parent) : QPushButton(parent) {
    setAutoDefault(false);
    setDefault(false);
}

void CaptionButton::paintEvent(QPaintEvent*) {
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    option.text.clear();
    painter.drawControl(QStyle::CE_PushButton, option);

    const QRect textArea = style()->subElementRect(QStyle::SE_PushButtonContents, &option, this);
    style()->drawItemText(&painter, textArea, Qt::AlignCenter | Qt::TextWordWrap, palette(), isEnabled(),
                          text(), QPalette::ButtonText);
}

} // namespace cssbinder
