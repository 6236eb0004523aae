#pragma once

// The command line of the program beyond the toolkit's own options:
//   --help, --version, --export-history FILE.csv
// None of them needs the window, the sound or the single-instance guard.
namespace CommandLine {

// True when the arguments ask for one of the above: the program then runs Run() alone.
bool WantsCommandLineOnly(int argc, char** argv);
// Answers the command line and returns the process's exit code.
int Run(int argc, char** argv);

} // namespace CommandLine
