#pragma once

#include <QImage>
#include <QWidget>

namespace cssbinder {

// A picture of a dialog template, shown at its own size. It draws its image itself, so a bitmap
// stored in the program is shown straight from the stored pixels, never copied into a pixmap.
class PictureControl : public QWidget {
    Q_OBJECT
public:
    PictureControl(const QImage& image, QWidget* parent);

    const QImage& Image() const { return m_image; }
    void SetImage(const QImage& image);

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QImage m_image;
};

} // namespace cssbinder
