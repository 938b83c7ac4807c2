#pragma once

namespace pernoa::cli {

// True when the command line asks for batch work (an option starting with "--").
bool isBatchInvocation(int argc, char* argv[]);

// Runs the batch command line; returns the exit status.
int runBatch(int argc, char* argv[]);

} // namespace pernoa::cli
