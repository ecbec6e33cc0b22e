#pragma once

struct _GtkWidget;

namespace quil {

// A layout for a form embedded in another program's window. A plain layout given a size
// request can never be made smaller than that size, so a program's window would not shrink
// below the chart's start size. This one asks for a natural size (the form's) that a window
// opens at, and a minimum of one pixel, so the program's layout decides how small it gets.
_GtkWidget* NewNaturalSizeLayout(int width, int height);
void SetNaturalSize(_GtkWidget* layout, int width, int height);

}  // namespace quil
