#pragma once
// Lets the main window's client area grow beyond its start size while keeping every pixel of the
// start size where it was. Laid-out parts grow through their layouts; for the rest:
//   - a container of absolutely placed children (the client itself and each plain tab page
//     without a layout) keeps each child's start geometry and an anchor rule per axis, taken
//     from the child's place beside the container's largest child (the filler): the filler
//     stretches, a child as wide (high) as the filler stretches with it, a child right of (below)
//     the filler moves with the right (bottom) edge, any other child stays;
//   - a splitter with fixed panes beside stretching ones (which would give all the growth to the
//     stretching pane) shares its length among all panes in proportion to their sizes at the start
//     size, or to the sizes the user last dragged them to.
// The growth is the client's size less its start size; tab pages and splitters shown for the first
// time when the window is already larger take their start geometry back from it.

class QWidget;

// `client`'s minimum size is its start size; it holds all its parts, placed for that size. The
// growth lives as long as the client does.
void InstallWindowGrowth(QWidget* client);
