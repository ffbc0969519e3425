#include "shell/view/product_picture.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace talvex {

namespace {

// Liberation Sans has Arial's measures: where it is missing (Windows) the
// picture keeps its look in Arial, else in the system's sans-serif face.
QFont PictureFont(int pixelSize)
{
    QFont font;
    font.setFamilies({QStringLiteral("Liberation Sans"), QStringLiteral("Arial")});
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(pixelSize);
    return font;
}

} // namespace

QPixmap ProductPicture()
{
    constexpr int WIDTH = 200;
    constexpr int HEIGHT = 300;
    QPixmap picture(WIDTH, HEIGHT);
    QPainter p(&picture);
    p.setRenderHint(QPainter::Antialiasing);

    QLinearGradient sky(0, 0, 0, HEIGHT);
    sky.setColorAt(0.0, QColor(12, 36, 74));
    sky.setColorAt(1.0, QColor(34, 104, 150));
    p.fillRect(picture.rect(), sky);

    // Three streams of traffic narrowing through a gate: the engine's job.
    const QColor streams[] = {QColor(250, 190, 60), QColor(120, 220, 160), QColor(240, 110, 90)};
    for (int i = 0; i < 3; ++i) {
        QPainterPath path;
        const double y0 = 70 + i * 40;
        path.moveTo(0, y0);
        path.cubicTo(70, y0, 80, 150, 100, 150 + (i - 1) * 8);
        path.cubicTo(120, 150 + (i - 1) * 8, 140, 190 + i * 12, 200, 190 + i * 12);
        p.setPen(QPen(streams[i], 6, Qt::SolidLine, Qt::RoundCap));
        p.drawPath(path);
    }
    p.setPen(QPen(QColor(230, 235, 245), 3));
    p.drawLine(100, 110, 100, 128);
    p.drawLine(100, 172, 100, 190);

    p.setPen(QColor(245, 245, 250));
    QFont title = PictureFont(34);
    title.setBold(true);
    p.setFont(title);
    p.drawText(QRect(0, 14, WIDTH, 44), Qt::AlignCenter, QStringLiteral("TALVEX"));
    p.setFont(PictureFont(13));
    p.drawText(QRect(0, 236, WIDTH, 20), Qt::AlignCenter, QStringLiteral("Traffic Shaping Engine"));
    p.drawText(QRect(0, 256, WIDTH, 20), Qt::AlignCenter, QStringLiteral("Config Tool"));
    return picture;
}

} // namespace talvex
