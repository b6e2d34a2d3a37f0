// The batch side of character sets: orvo-batch convert --to utf-8|marc-8 turns the
// text of every record into the other set and sets Leader/09 to say so.
#pragma once

#include "recordlib/TCharacterSet.h"
#include "recordlib/TMarcRecord.h"

#include <cstdint>
#include <iosfwd>
#include <string>
#include <vector>

class TBatchConvert
{
public:
    // eTarget: eCharsetUtf8 or eCharsetMarc8. rxReport receives one line per record
    // left unconverted.
    TBatchConvert(ECharacterSet eTarget, std::ostream& rxReport);

    // Converts the text of every field (a data field's subfield data; its indicators
    // and subfield codes stay) and sets Leader/09: true when the record changed. A
    // record already in the target set is left as it is. A record whose text cannot
    // be read in its own set (a byte that is no character), or holds a character the
    // target cannot hold, or whose Leader/09 names neither set, is left unchanged and
    // reported with its number, the field and the character.
    bool qtConvert(TMarcRecord& rxRecord, uint32_t dwRecordNumber);

    // Records left unconverted so far.
    uint64_t qqwGetRefused() const { return mqwRefused; }

private:
    bool qtConvertText(const unsigned char* paxText, std::size_t nSize, std::string& rxOut, std::wstring& rxWhy);
    void qvRefuse(uint32_t dwRecordNumber, int iTag, const std::wstring& rxWhy);

    ECharacterSet meTarget;
    ECharacterSet meSource;
    std::ostream* mpxReport;
    uint64_t mqwRefused;
    // Reused from record to record: the fields' new data and the text between sets.
    std::vector<std::string> mxFields;
    std::wstring mxText;
};
