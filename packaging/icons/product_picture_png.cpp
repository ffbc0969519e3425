// Writes the product picture to a PNG file, for make-icons.
#include <QGuiApplication>
#include <QPixmap>
#include <cstdio>

#include "shell/view/product_picture.h"

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fputs("usage: product_picture_png OUT.png\n", stderr);
        return 2;
    }
    QGuiApplication app(argc, argv);
    return talvex::ProductPicture().save(QString::fromLocal8Bit(argv[1]), "PNG") ? 0 : 1;
}
