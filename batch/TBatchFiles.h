// The batch command: its arguments, its files and its run.
#pragma once

#include <ostream>
#include <string>
#include <vector>

// orvo-batch with its arguments (without the program name): messages to rxErr,
// the exit status as the result (0 every record read as it was, 1 some repaired or
// rejected, each reported, 2 the command could not run).
int qiRunBatchCommand(const std::vector<std::string>& rxArgs, std::ostream& rxErr);
