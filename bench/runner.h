// Runs every registered benchmark and, after the usual table, prints each figure that has a goal
// beside that goal. Shared by the plain benchmark program and the one with the Qt front end, whose
// main() has to make the application object first.
#pragma once

int RunBenchmarks(int argc, char** argv);
