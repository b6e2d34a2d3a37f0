// orvo-batch: the library's window-free services over whole files of records.
//
//   orvo-batch add-008 [--replace] [--repair] [--drop-malformed] IN OUT
//
// IN is ISO 2709 or MARCMaker text (told by its content), OUT is MARCMaker when
// its name ends in .mrk and ISO 2709 otherwise. Exit status: 0 when every record
// was read as it was, 1 when some were repaired or rejected (each reported), 2 when
// the command could not run.
#include "batch/TBatchFiles.h"

#include <iostream>

int main(int argc, char** argv)
{
    return qiRunBatchCommand(std::vector<std::string>(argv + 1, argv + argc), std::cerr);
}
