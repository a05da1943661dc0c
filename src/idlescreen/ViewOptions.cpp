#include "idlescreen/ViewOptions.h"

using namespace idlescreen;

int ViewOptions::keyState(Key key) const
{
    switch (key) {
    case Key::Left: return leftKeyState;
    case Key::Right: return rightKeyState;
    case Key::Centre: return centreKeyState;
    }
    return 0;
}

void ViewOptions::setKeyState(Key key, int state)
{
    switch (key) {
    case Key::Left: leftKeyState = state; break;
    case Key::Right: rightKeyState = state; break;
    case Key::Centre: centreKeyState = state; break;
    }
}
