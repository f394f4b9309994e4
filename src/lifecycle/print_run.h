#pragma once

struct CommandLine;

// --print, --print-to: prints the study as the application prints it, the names list loaded
// at the start and saved at the end; returns the exit code, 1 also when the list could not be
// written.
int RunPrint(const CommandLine &line);
