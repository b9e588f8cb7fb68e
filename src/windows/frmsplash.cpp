#include "frmsplash.h"

#include "app/attempt.h"

#include <QFont>
#include <QGuiApplication>
#include <QLabel>
#include <QPainter>
#include <QScreen>

frmSplash::frmSplash(QWidget* parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint)
{
    setObjectName(QStringLiteral("frmSplash"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    setFixedSize(579, 370);
    VerInfo = new QLabel(this);
    VerInfo->setObjectName(QStringLiteral("VerInfo"));
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setStyleHint(QFont::SansSerif);
    font.setPointSize(9);
    VerInfo->setFont(font);
    VerInfo->setGeometry(420, 300, 150, 40);
    VerInfo->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    VerInfo->setStyleSheet(QStringLiteral("color: white; background: transparent;"));
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
    Form_Load();
}

void frmSplash::Form_Load()
{
    attempt([&] { VerInfo->setText(QStringLiteral("4.00\n21st July 1998")); });
    attempt([&] { m_picture = drawSplashPicture(); });
}

void frmSplash::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    if (!m_picture.isNull())
        painter.drawImage(0, 0, m_picture);
}
