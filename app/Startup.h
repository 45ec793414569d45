#pragma once

// The program's start-up steps, apart from the window wiring done in main():
// refuse a second copy, run the update reminder, show the start window.

namespace kestrune::app {

class SingleInstance;

// Runs the start-up steps. Returns false when this copy must end without
// entering the event loop (another copy is running, or the program ended
// while starting).
bool startProgram(SingleInstance& instance);

} // namespace kestrune::app
