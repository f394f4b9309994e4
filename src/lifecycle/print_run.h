#pragma once

struct CommandLine;

// --print, --print-to: prints the study as the application prints it, the names list loaded
// at the start and saved at the end; returns the exit code.
int RunPrint(const CommandLine &line);
