#pragma once

namespace pernoa::ui {

// Starts the windows and runs until the main window closes.
int runGui(int argc, char* argv[]);

} // namespace pernoa::ui
