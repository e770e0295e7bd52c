#pragma once
// Where the program's windows appear: a window opens in the middle of the screen, and a tool
// window asked for again comes to the front where the user left it.

class QWidget;

// Moves `window` so that it stands in the middle of the primary screen's free area.
void CentreOnScreen(QWidget& window);
// Shows `window` in front: centred when it was hidden, kept in its place when it was open.
void PresentWindow(QWidget& window);
