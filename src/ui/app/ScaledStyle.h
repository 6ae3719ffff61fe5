#pragma once

#include <QProxyStyle>

namespace cssbinder {

// The application's style with every size it measures (indicators, frames, margins, scroll bars,
// slider handles) and the room it adds around a control's contents scaled, so that the controls of a window
// scaled down to fit its screen shrink with its font and pictures.
class ScaledStyle : public QProxyStyle {
    Q_OBJECT
public:
    explicit ScaledStyle(double scale);

    int pixelMetric(PixelMetric metric, const QStyleOption* option, const QWidget* widget) const override;
    QSize sizeFromContents(ContentsType type, const QStyleOption* option, const QSize& contents,
                           const QWidget* widget) const override;

private:
    double m_scale;
};

} // namespace cssbinder
