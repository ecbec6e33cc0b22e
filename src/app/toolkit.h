#pragma once

#include <memory>

namespace quil {

class TScreenCursors;

// Starts the toolkit on the default display; false when there is no display to open.
bool InitToolkit(int& argc, char**& argv);

// The default display's cursor table with the program's hand installed as crQuilHand.
std::unique_ptr<TScreenCursors> CreateScreenCursors();

}  // namespace quil
