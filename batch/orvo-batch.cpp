// orvo-batch: the library's window-free services over whole files of records.
//
//   orvo-batch add-008 [--replace] [--repair] [--drop-malformed] IN OUT
//   orvo-batch convert --to utf-8|marc-8 [--repair] [--drop-malformed] IN OUT
//   orvo-batch check [--format text|tsv|json] IN
//
// IN is ISO 2709 or MARCMaker text (told by its content), OUT is MARCMaker when
// its name ends in .mrk and ISO 2709 otherwise. Exit status: 0 when every record
// was read as it was, 1 when some were repaired or rejected (each reported), 2 when
// the command could not run. check prints its findings (TBatchCheck.h) and exits
// 0 when no record has an error, 1 when some do, 2 when it could not run.
#include "batch/TBatchCheck.h"
#include "batch/TBatchFiles.h"

#include <iostream>

int main(int argc, char** argv)
{
    if (argc > 1 && std::string(argv[1]) == "check")
        return qiRunCheckCommand(std::vector<std::string>(argv + 2, argv + argc), std::cout, std::cerr);
    return qiRunBatchCommand(std::vector<std::string>(argv + 1, argv + argc), std::cerr);
}
