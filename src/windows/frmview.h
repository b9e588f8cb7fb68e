#pragma once

#include <QDialog>

class PictureBox;

// Shows one picture at its natural size in a window without frame or caption, exactly the
// picture's size; a click or a key that types a character closes it.
class FrmView : public QDialog
{
    Q_OBJECT

public:
    explicit FrmView(QWidget* parent = nullptr);

    // Loads the picture (a Windows or host path) and fits the window to it.
    void loadPicture(const QString& fileName);
    // Opens the viewer on the file and returns when it closes.
    static void showPicture(const QString& fileName, QWidget* parent);

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    PictureBox* Preview;
};
