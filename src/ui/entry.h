#pragma once

namespace pernoa::ui {

// The program: the windows by default, batch work when a batch option is given.
int runApplication(int argc, char* argv[]);

} // namespace pernoa::ui
