#pragma once

#include <QImage>
#include <QWidget>

namespace cssbinder {

// A picture of a dialog template, shown at its own size, or scaled with a window scaled down to fit its
// screen. It draws its image itself, so a bitmap stored in the program is shown straight from the
// stored pixels, never copied into a pixmap.
class PictureControl : public QWidget {
    Q_OBJECT
public:
    PictureControl(const QImage& image, QWidget* parent);

    const QImage& Image() const { return m_image; }
    void SetImage(const QImage& image);
    double Scale() const { return m_scale; }
    void SetScale(double scale);

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    QImage m_image;
    double m_scale = 1.0;
};

} // namespace cssbinder
