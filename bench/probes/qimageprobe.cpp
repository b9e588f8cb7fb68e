// The least a Qt Gui program does to hold a picture: the yardstick for bootcanvas-cli's start-up.
#include <QImage>

int main()
{
    QImage image(320, 400, QImage::Format_RGB32);
    image.fill(Qt::black);
    return image.isNull() ? 1 : 0;
}
