// The batch command: its arguments, its files and its run.
#pragma once

#include <fstream>
#include <ostream>
#include <string>
#include <vector>

// orvo-batch with its arguments (without the program name): messages to rxErr,
// the exit status as the result (0 every record read as it was, 1 some repaired or
// rejected, each reported, 2 the command could not run).
int qiRunBatchCommand(const std::vector<std::string>& rxArgs, std::ostream& rxErr);

// A file of records opened for one pass of reads, through a large buffer.
struct TBatchInput
{
    std::vector<char> mxBuffer;
    std::ifstream mxStream;
};

// Opens rxPath into rxInput; false, with why on rxErr (and pacUsage when it is
// a folder), when it cannot be opened.
bool qtOpenBatchInput(const std::string& rxPath, TBatchInput& rxInput, std::ostream& rxErr, const char* pacUsage);

// "orvo-batch: PROBLEM" and the usage on rxErr; 2, the exit status of a
// command that could not run.
int qiBatchUsage(std::ostream& rxErr, const std::string& rxProblem, const char* pacUsage);
