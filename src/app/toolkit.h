#pragma once

#include <memory>

namespace quil {

class TScreenCursors;

// Starts the toolkit on the default display; false when there is no display to open.
bool InitToolkit(int& argc, char**& argv);

// The default display's cursor table, empty until the library's start-up installs the hand.
std::unique_ptr<TScreenCursors> CreateScreenCursors();
// Installs the program's hand as crQuilHand in the default display's table, and removes it.
void InstallScreenHandCursor(TScreenCursors& cursors);
void RemoveScreenHandCursor(TScreenCursors& cursors);

}  // namespace quil
