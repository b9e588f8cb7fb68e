#pragma once

#include <QWidget>

class QLabel;

// The picture shown while the program starts. It has no buttons and ignores input.
class frmSplash : public QWidget
{
    Q_OBJECT
public:
    explicit frmSplash(QWidget* parent = nullptr);
    void Form_Load();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QLabel* VerInfo = nullptr;
    QImage m_picture;
};

// The 580 x 370 splash picture, drawn by the program itself.
QImage drawSplashPicture();
