#include "WindowStates.h"

Qt::WindowStates withWindowState(Qt::WindowStates current, TppWindowState state) {
    current &= ~(Qt::WindowMinimized | Qt::WindowMaximized);
    switch (state) {
    case wsNormal:
        break;
    case wsMinimized:
        current |= Qt::WindowMinimized;
        break;
    case wsMaximized:
        current |= Qt::WindowMaximized;
        break;
    }
    return current;
}

TppWindowState windowStateOf(Qt::WindowStates states) {
    if (states & Qt::WindowMinimized)
        return wsMinimized;
    return states & Qt::WindowMaximized ? wsMaximized : wsNormal;
}
