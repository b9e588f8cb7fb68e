#pragma once

#include <QDialog>

class QLabel;

// The About window: the program's title, its version and a line on what it does.
class FrmAbout : public QDialog
{
    Q_OBJECT
public:
    explicit FrmAbout(QWidget* parent = nullptr);

private:
    QLabel* Title = nullptr;
    QLabel* Version = nullptr;
};
