#pragma once

#include <QList>

class QDialog;
class QWidget;

// Lays `dialog` out at its natural, fixed size: `head` at the top, `body` below it taking any spare
// room, and `buttons` in a row at the bottom right, in that order.
void layOutDialog(QDialog* dialog, QWidget* head, QWidget* body, const QList<QWidget*>& buttons);

// A page of `parent` holding `controls` one below the other, in that order.
QWidget* columnPage(QWidget* parent, const QList<QWidget*>& controls);
