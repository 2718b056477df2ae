#pragma once

#include <QApplication>
#include <QMouseEvent>
#include <QWidget>

// Clicks a widget the way the mouse does, a press and a release at its centre,
// so that the program reacts as to a pupil. For the tools that drive windows.
inline void clickLikeTheMouse(QWidget *target)
{
    const QPointF centre = QRectF(target->rect()).center();
    const QPointF global = target->mapToGlobal(centre);
    QMouseEvent press(QEvent::MouseButtonPress, centre, global, Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    QMouseEvent release(QEvent::MouseButtonRelease, centre, global, Qt::LeftButton, Qt::NoButton,
                        Qt::NoModifier);
    QApplication::sendEvent(target, &press);
    QApplication::sendEvent(target, &release);
}
