#include "sampleart.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QRandomGenerator>

namespace
{

constexpr int ShownWidth = 640;
constexpr int ShownHeight = 480;

struct Palette {
    QColor top, bottom, accent, text;
};

Palette paletteFor(SampleTheme theme)
{
    switch (theme) {
    case SampleTheme::Sunrise:
        return { QColor(20, 30, 90), QColor(250, 150, 60), QColor(255, 235, 140), Qt::white };
    case SampleTheme::Ocean:
        return { QColor(0, 30, 70), QColor(20, 140, 170), QColor(180, 240, 255), Qt::white };
    case SampleTheme::Starfield:
        return { QColor(0, 0, 10), QColor(30, 10, 60), QColor(255, 255, 220), Qt::white };
    case SampleTheme::Meadow:
        return { QColor(110, 180, 240), QColor(60, 150, 50), QColor(250, 250, 120), Qt::black };
    case SampleTheme::Plain:
        return { QColor(0, 0, 0), QColor(20, 20, 80), QColor(160, 160, 220), Qt::white };
    }
    return {};
}

struct Caption {
    QString text;
    int pixelSize;
    QRect box;
};

// The startup screen greets at the top; the two shutdown screens speak in the middle.
Caption captionFor(SampleScreen screen)
{
    if (screen == SampleScreen::Startup)
        return { QStringLiteral("Starting Windows..."), 34, QRect(0, 40, ShownWidth, 60) };
    const QRect middle(20, 180, 600, 120);
    if (screen == SampleScreen::Wait)
        return { QStringLiteral("Please wait while your computer shuts down."), 24, middle };
    return { QStringLiteral("You can now switch off your computer."), 24, middle };
}

void drawSky(QPainter& p, const Palette& colours, SampleScreen screen)
{
    QLinearGradient sky(0, 0, 0, ShownHeight);
    // The shutdown screen is the evening of the same picture.
    const QColor bottom = screen == SampleScreen::Startup ? colours.bottom : colours.bottom.darker(170);
    sky.setColorAt(0.0, colours.top);
    sky.setColorAt(1.0, bottom);
    p.fillRect(0, 0, ShownWidth, ShownHeight, sky);
}

void drawThemeShapes(QPainter& p, SampleTheme theme, const Palette& colours)
{
    p.setPen(Qt::NoPen);
    switch (theme) {
    case SampleTheme::Sunrise: {
        QRadialGradient sun(QPointF(320, 330), 120);
        sun.setColorAt(0.0, colours.accent);
        sun.setColorAt(1.0, QColor(255, 200, 100, 0));
        p.setBrush(sun);
        p.drawEllipse(QPointF(320, 330), 120, 120);
        p.fillRect(0, 340, ShownWidth, 140, QColor(40, 30, 50));
        break;
    }
    case SampleTheme::Ocean:
        for (int wave = 0; wave < 6; ++wave) {
            QPainterPath path(QPointF(0, 300 + wave * 30));
            for (int x = 0; x <= ShownWidth; x += 80)
                path.quadTo(QPointF(x + 40, 285 + wave * 30), QPointF(x + 80, 300 + wave * 30));
            path.lineTo(ShownWidth, ShownHeight);
            path.lineTo(0, ShownHeight);
            p.setBrush(QColor(0, 60 + wave * 20, 110 + wave * 20, 180));
            p.drawPath(path);
        }
        break;
    case SampleTheme::Starfield: {
        QRandomGenerator stars(1998);
        for (int i = 0; i < 300; ++i) {
            const int shade = 120 + stars.bounded(136);
            p.setBrush(QColor(shade, shade, shade - stars.bounded(60)));
            const double radius = 0.6 + stars.bounded(1.6);
            p.drawEllipse(QPointF(stars.bounded(ShownWidth), stars.bounded(ShownHeight)), radius, radius);
        }
        break;
    }
    case SampleTheme::Meadow:
        p.setBrush(QColor(40, 120, 40));
        p.drawEllipse(QPointF(160, 520), 420, 180);
        p.setBrush(QColor(70, 160, 60));
        p.drawEllipse(QPointF(520, 540), 380, 170);
        p.setBrush(colours.accent);
        p.drawEllipse(QPointF(520, 90), 45, 45);
        break;
    case SampleTheme::Plain:
        break;
    }
}

void drawCaption(QPainter& p, const Palette& colours, SampleScreen screen)
{
    const Caption caption = captionFor(screen);
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(caption.pixelSize);
    font.setBold(true);
    p.setFont(font);
    p.setPen(QColor(0, 0, 0, 140));
    p.drawText(caption.box.translated(2, 2), Qt::AlignCenter | Qt::TextWordWrap, caption.text);
    p.setPen(colours.text);
    p.drawText(caption.box, Qt::AlignCenter | Qt::TextWordWrap, caption.text);
}

} // namespace

QImage drawSampleScreen(SampleTheme theme, SampleScreen screen)
{
    QImage shown(ShownWidth, ShownHeight, QImage::Format_RGB32);
    QPainter p(&shown);
    p.setRenderHint(QPainter::Antialiasing);
    const Palette colours = paletteFor(theme);
    drawSky(p, colours, screen);
    drawThemeShapes(p, theme, colours);
    drawCaption(p, colours, screen);
    p.end();
    return shown.scaled(320, 400, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
        .convertToFormat(QImage::Format_Indexed8, Qt::DiffuseDither);
}
