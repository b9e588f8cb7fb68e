#include "windows/dialoglayout.h"

#include <QDialog>
#include <QHBoxLayout>
#include <QVBoxLayout>

void layOutDialog(QDialog* dialog, QWidget* head, QWidget* body, const QList<QWidget*>& buttons)
{
    auto* buttonRow = new QHBoxLayout;
    buttonRow->addStretch(1);
    for (QWidget* button : buttons)
        buttonRow->addWidget(button);

    auto* layout = new QVBoxLayout(dialog);
    layout->addWidget(head);
    layout->addWidget(body, 1);
    layout->addLayout(buttonRow);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

QWidget* columnPage(QWidget* parent, const QList<QWidget*>& controls)
{
    auto* page = new QWidget(parent);
    auto* column = new QVBoxLayout(page);
    for (QWidget* control : controls)
        column->addWidget(control);
    return page;
}
