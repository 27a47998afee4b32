#pragma once
// The desktop program: the main window and its loop until the user quits.

// Returns the process's exit code; without a display it says so and fails.
int ExecutaEscriptori(int argc, char** argv);
