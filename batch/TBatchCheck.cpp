#include "batch/TBatchCheck.h"

#include "batch/TBatchFiles.h"

#include "recordlib/TException.h"
#include "recordlib/TMarcRecord.h"

#include <algorithm>
#include <charconv>
#include <cstring>
#include <cstdio>
#include <fstream>
#include <ostream>

namespace
{
constexpr std::size_t kFlushAt = 1u << 16;
// Different findings counted for the most frequent ones: a file full of
// different values keeps the table this small.
constexpr std::size_t kMaxDistinct = 20000;
constexpr std::size_t kMostFrequent = 10;
constexpr int kControlNumberTag = 1;

const char kUsage[] = "usage: orvo-batch check [--format text|tsv|json] IN\n"
                      "  Checks every coded value of every record of IN against the code lists of the\n"
                      "  editors (Leader, 006, 007, 008, 856) and prints one finding a line: the record's\n"
                      "  number and 001, the place (\"008/22\"), error or warning, what was found and what\n"
                      "  was expected; then a summary. Damaged records are read leniently and each\n"
                      "  repair is a finding. IN: ISO 2709 or MARCMaker (.mrk) text.\n"
                      "  --format text   lines for a reader (default)\n"
                      "  --format tsv    one tab-separated row per finding; the summary goes to stderr\n"
                      "  --format json   one object: {\"findings\": [...], \"summary\": {...}}\n"
                      "  Exit status: 0 no record has an error, 1 some do, 2 the check could not run.\n";

void qvAppendJsonString(const char* pacText, std::size_t nSize, std::string& rxOut)
{
    rxOut += '"';
    for (std::size_t n = 0; n < nSize; ++n)
    {
        const char c = pacText[n];
        const unsigned char b = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\')
        {
            rxOut += '\\';
            rxOut += c;
        }
        else if (b < 0x20 || b >= 0x7F)
        {
            // Bytes outside ASCII are shown as the Latin-1 characters they would be:
            // the output stays valid UTF-8 JSON whatever the record held.
            char acEscape[8];
            std::snprintf(acEscape, sizeof(acEscape), "\\u%04x", b);
            rxOut += acEscape;
        }
        else
            rxOut += c;
    }
    rxOut += '"';
}

void qvAppendJsonString(const std::string& rxText, std::string& rxOut)
{
    qvAppendJsonString(rxText.data(), rxText.size(), rxOut);
}

template <typename TNumber> void qvAppendDecimal(TNumber n, std::string& rxOut)
{
    char acDigits[24];
    const std::to_chars_result xEnd = std::to_chars(acDigits, acDigits + sizeof(acDigits), n);
    rxOut.append(acDigits, xEnd.ptr);
}

// A field for a tab-separated row: tabs and line ends become blanks.
void qvAppendTsvField(const std::string& rxText, std::string& rxOut)
{
    for (const char c : rxText)
        rxOut += (c == '\t' || c == '\n' || c == '\r') ? ' ' : c;
}
}

TBatchCheck::TBatchCheck(ECheckFormat eFormat, std::ostream& rxOut, std::ostream& rxReport)
    : meFormat(eFormat), mpxOut(&rxOut), mpxReport(&rxReport), mtFirstJson(true)
{}

void TBatchCheck::qvWriteFinding(uint32_t dwNumber, const TCheckFinding& rxFinding)
{
    ++mxCounts.maqwByKind[rxFinding.meKind];
    // The finding without its record ("008/22 error: ..."): what the most
    // frequent ones are counted by, and the end of a text line.
    const char* pacSeverity = qpacCheckSeverityName(rxFinding.meSeverity);
    mxKey.clear();
    qvAppendPlace(rxFinding, mxKey);
    const std::size_t nPlaceEnd = mxKey.size();
    mxKey += ' ';
    mxKey += pacSeverity;
    mxKey += ": ";
    const std::size_t nProblemStart = mxKey.size();
    qvAppendProblem(rxFinding, mxKey);
    auto it = mxFrequency.find(mxKey);
    if (it != mxFrequency.end())
        ++it->second;
    else if (mxFrequency.size() < kMaxDistinct)
        mxFrequency.emplace(mxKey, 1);

    switch (meFormat)
    {
    case eCheckText:
        mxPending += "record ";
        qvAppendDecimal(dwNumber, mxPending);
        if (!mxControlNumber.empty())
        {
            mxPending += " (001 ";
            mxPending += mxControlNumber;
            mxPending += ')';
        }
        mxPending += ": ";
        mxPending += mxKey;
        mxPending += '\n';
        break;
    case eCheckTsv:
        qvAppendDecimal(dwNumber, mxPending);
        mxPending += '\t';
        qvAppendTsvField(mxControlNumber, mxPending);
        mxPending += '\t';
        qvAppendFindingRow(rxFinding, mxPending);
        mxPending += '\n';
        break;
    case eCheckJson:
        mxPending += mtFirstJson ? "\n" : ",\n";
        mtFirstJson = false;
        mxPending += "{\"record\": ";
        qvAppendDecimal(dwNumber, mxPending);
        mxPending += ", \"001\": ";
        qvAppendJsonString(mxControlNumber, mxPending);
        mxPending += ", \"severity\": \"";
        mxPending += pacSeverity;
        mxPending += "\", \"kind\": \"";
        mxPending += qpacCheckKindName(rxFinding.meKind);
        mxPending += "\", \"place\": ";
        qvAppendJsonString(mxKey.data(), nPlaceEnd, mxPending);
        mxPending += ", \"tag\": ";
        qvAppendDecimal(rxFinding.miTag, mxPending);
        mxPending += ", \"occurrence\": ";
        qvAppendDecimal(rxFinding.miOccurrence, mxPending);
        mxPending += ", \"position\": ";
        qvAppendDecimal(rxFinding.miPosition, mxPending);
        mxPending += ", \"count\": ";
        qvAppendDecimal(rxFinding.miCount, mxPending);
        mxPending += ", \"found\": ";
        qvAppendJsonString(rxFinding.macFound, std::strlen(rxFinding.macFound), mxPending);
        mxPending += ", \"expected\": ";
        qvAppendJsonString(rxFinding.mpacExpected, std::strlen(rxFinding.mpacExpected), mxPending);
        mxPending += ", \"message\": ";
        qvAppendJsonString(mxKey.data() + nProblemStart, mxKey.size() - nProblemStart, mxPending);
        mxPending += '}';
        break;
    }
}

void TBatchCheck::qvRecord(uint32_t dwNumber, const TMarcRecord* pxRecord)
{
    if (pxRecord != nullptr)
    {
        ++mxCounts.mqwRecords;
        qvCheckRecord(*pxRecord, mxFindings);
    }
    if (mxFindings.empty())
        return;
    // The first 001, read in place (a copy of the field would allocate).
    mxControlNumber.clear();
    const uint32_t dwFields = pxRecord != nullptr ? pxRecord->qdwGetFieldCount() : 0;
    for (uint32_t n = 0; n < dwFields; ++n)
    {
        const TMarcTag& rxField = pxRecord->qrxGetField(n);
        if (rxField.qiGetTagNumber() == kControlNumberTag)
        {
            mxControlNumber.assign(rxField.qpacGetData(), rxField.qdwGetDataSize());
            break;
        }
    }
    bool tError = false;
    for (const TCheckFinding& rxFinding : mxFindings)
    {
        qvWriteFinding(dwNumber, rxFinding);
        tError = tError || rxFinding.meSeverity == eCheckError;
    }
    mxCounts.mqwRecordsWithErrors += tError ? 1 : 0;
    mxFindings.clear();
    if (mxPending.size() >= kFlushAt)
    {
        mpxOut->write(mxPending.data(), static_cast<std::streamsize>(mxPending.size()));
        mxPending.clear();
    }
}

void TBatchCheck::qvWriteSummary()
{
    std::vector<std::pair<std::string, uint64_t>> xTop(mxFrequency.begin(), mxFrequency.end());
    const std::size_t dwShown = std::min(xTop.size(), kMostFrequent);
    std::partial_sort(
        xTop.begin(), xTop.begin() + static_cast<std::ptrdiff_t>(dwShown), xTop.end(),
        [](const auto& a, const auto& b) { return a.second != b.second ? a.second > b.second : a.first < b.first; });
    xTop.resize(dwShown);

    std::string xSummary;
    if (meFormat == eCheckJson)
    {
        xSummary += mtFirstJson ? "],\n" : "\n],\n";
        xSummary += "\"summary\": {\"records\": " + std::to_string(mxCounts.mqwRecords) +
                    ", \"recordsWithErrors\": " + std::to_string(mxCounts.mqwRecordsWithErrors) +
                    ", \"unreadable\": " + std::to_string(mxCounts.mqwUnreadable) + ", \"byKind\": {";
        const char* pacComma = "";
        for (int k = 0; k < eCheckKindCount; ++k)
        {
            if (mxCounts.maqwByKind[k] == 0)
                continue;
            xSummary += std::string(pacComma) + "\"" + qpacCheckKindName(static_cast<ECheckKind>(k)) +
                        "\": " + std::to_string(mxCounts.maqwByKind[k]);
            pacComma = ", ";
        }
        xSummary += "}, \"mostFrequent\": [";
        pacComma = "";
        for (const auto& rxEntry : xTop)
        {
            xSummary += pacComma;
            xSummary += "{\"finding\": ";
            qvAppendJsonString(rxEntry.first, xSummary);
            xSummary += ", \"count\": " + std::to_string(rxEntry.second) + "}";
            pacComma = ", ";
        }
        xSummary += "]}}\n";
        mxPending += xSummary;
        return;
    }
    xSummary += "records checked: " + std::to_string(mxCounts.mqwRecords) + "\n";
    xSummary += "records with errors: " + std::to_string(mxCounts.mqwRecordsWithErrors);
    if (mxCounts.mqwUnreadable != 0)
        xSummary += " (" + std::to_string(mxCounts.mqwUnreadable) + " of them unreadable)";
    xSummary += "\nfindings by kind:";
    bool tAny = false;
    for (int k = 0; k < eCheckKindCount; ++k)
    {
        if (mxCounts.maqwByKind[k] == 0)
            continue;
        xSummary += std::string(tAny ? ", " : " ") + qpacCheckKindName(static_cast<ECheckKind>(k)) + " " +
                    std::to_string(mxCounts.maqwByKind[k]);
        tAny = true;
    }
    xSummary += tAny ? "\n" : " none\n";
    if (!xTop.empty())
        xSummary += "most frequent findings:\n";
    for (const auto& rxEntry : xTop)
    {
        char acCount[24];
        std::snprintf(acCount, sizeof(acCount), "%8llu  ", static_cast<unsigned long long>(rxEntry.second));
        xSummary += acCount + rxEntry.first + "\n";
    }
    if (meFormat == eCheckTsv)
        *mpxReport << xSummary;
    else
        mxPending += xSummary;
}

void TBatchCheck::qvRun(std::istream& rxIn, EMarcFileFormat eInFormat)
{
    if (meFormat == eCheckTsv)
        mxPending += std::string("record\t001\t") + kFindingRowHeader + '\n';
    else if (meFormat == eCheckJson)
        mxPending += "{\"findings\": [";
    qvReadPieces(rxIn, eInFormat, eReadLenient, [&](TRecordPiece& rxPiece) {
        switch (rxPiece.mePiece)
        {
        case ePieceFiller:
            return;
        case ePieceRecord:
            TRecordChecker::qvAddRepairs(*rxPiece.mpxRepairs, mxFindings);
            qvRecord(rxPiece.mdwRecordNumber, rxPiece.mpxRecord);
            return;
        case ePieceBrokenRecord:
        case ePieceStrayBytes:
            ++mxCounts.mqwUnreadable;
            qvAddUnreadable(rxPiece.mePiece == ePieceStrayBytes ? "bytes after this record that are no record"
                                                                : "not readable as a record",
                            rxPiece.mxProblem, mxFindings);
            qvRecord(rxPiece.mdwRecordNumber, nullptr);
            return;
        }
    });
    qvWriteSummary();
    mpxOut->write(mxPending.data(), static_cast<std::streamsize>(mxPending.size()));
    mxPending.clear();
    mpxOut->flush();
}

int qiRunCheckCommand(const std::vector<std::string>& rxArgs, std::ostream& rxOut, std::ostream& rxErr)
{
    ECheckFormat eFormat = eCheckText;
    std::vector<std::string> xPaths;
    for (std::size_t n = 0; n < rxArgs.size(); ++n)
    {
        const std::string& rxArg = rxArgs[n];
        if (rxArg == "--format")
        {
            const std::string xValue = n + 1 < rxArgs.size() ? rxArgs[++n] : std::string();
            if (xValue == "text")
                eFormat = eCheckText;
            else if (xValue == "tsv")
                eFormat = eCheckTsv;
            else if (xValue == "json")
                eFormat = eCheckJson;
            else
                return qiBatchUsage(rxErr, "--format takes text, tsv or json", kUsage);
        }
        else if (rxArg.size() > 1 && rxArg[0] == '-')
            return qiBatchUsage(rxErr, "unknown option " + rxArg, kUsage);
        else
            xPaths.push_back(rxArg);
    }
    if (xPaths.size() != 1)
        return qiBatchUsage(rxErr, "give one input file", kUsage);

    TBatchInput xInput;
    if (!qtOpenBatchInput(xPaths[0], xInput, rxErr, kUsage))
        return 2;
    TBatchCheck check(eFormat, rxOut, rxErr);
    try
    {
        check.qvRun(xInput.mxStream, qeSniffFormat(xInput.mxStream));
    }
    catch (const TException& e)
    {
        rxErr << "orvo-batch: cannot read " << xPaths[0] << ": " << qxAsciiText(qxMessageDetail(e)) << '\n';
        return 2;
    }
    if (!rxOut)
    {
        rxErr << "orvo-batch: the findings cannot be written\n";
        return 2;
    }
    return check.qrxGetCounts().mqwRecordsWithErrors == 0 ? 0 : 1;
}
