#pragma once

#include <functional>

class COndarisApp;

// The whole program as `ondaris` runs it, from its command line to its exit code: main() is
// only this, and the start-up bench runs the same. `running`, when given, is called once the
// main window is made and before the event loop starts; the bench uses it to leave once the
// window is first drawn.
int RunProgram(int argc, char *argv[], const std::function<void(COndarisApp &)> &running = {});
