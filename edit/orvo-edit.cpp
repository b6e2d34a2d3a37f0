// orvo-edit: one field editor on one record of a file, for cataloguing programs
// that would rather run a process than load the library.
//
//   orvo-edit EDITOR [--record N] [--occurrence N] FILE
//
// EDITOR is leader, 006, 007, 008 or 856; N counts from 1 (record 1 by
// default). The 006, 007 and 856 editors edit the record's first such field by
// default, or add one when it has none; --occurrence 0 always adds one. A
// damaged record is repaired as it is read, each repair reported on stderr. On
// OK the file is written again through a temporary file renamed into place, with
// every byte outside that record as it was; OK on an editor that changed nothing
// leaves the file untouched. Exit status: 0 saved, 1 cancelled, 2 refused or
// failed, with the reason on stderr.
#include "manager/TFieldEditorManager.h"
#include "marcio/TMarcFile.h"
#include "marcio/TOutputFile.h"
#include "recordlib/TException.h"

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

namespace
{
const char kUsage[] =
    "usage: orvo-edit EDITOR [--record N] [--occurrence N] FILE\n"
    "  Opens the editor on record N (from 1; default 1) of FILE, ISO 2709 or MARCMaker (.mrk) text,\n"
    "  and on OK writes FILE again with only that record changed.\n"
    "  A damaged record is repaired as it is read; each repair is reported.\n"
    "  EDITOR: leader, 006, 007, 008 or 856.\n"
    "  --occurrence N  the 006, 007 or 856 to edit, from 1; 0 adds a new one\n"
    "                  (default: the first, or a new one when the record has none)\n"
    "  Exit status: 0 saved (or OK with nothing changed), 1 cancelled, 2 refused or failed.\n";

constexpr int kSaved = 0;
constexpr int kCancelled = 1;
constexpr int kFailed = 2;

struct TEditorName
{
    const char* pacName;
    EFieldEditor eEditor;
    int iTag; // the field whose occurrence is chosen; 0 when none is
};

const TEditorName kEditorNames[] = {
    {"leader", eLeaderEditor, 0}, {"006", e006Editor, 6}, {"007", e007Editor, 7},
    {"008", e008Editor, 0},       {"856", e856Editor, 856},
};

int qiFail(const std::string& rxReason)
{
    std::fprintf(stderr, "orvo-edit: %s\n", rxReason.c_str());
    return kFailed;
}

bool qtParseCount(const char* pacText, int iMinimum, int& riValue)
{
    char* pacEnd = nullptr;
    const long lValue = std::strtol(pacText, &pacEnd, 10);
    if (pacEnd == pacText || *pacEnd != '\0' || lValue < iMinimum || lValue > 99999)
        return false;
    riValue = static_cast<int>(lValue);
    return true;
}

// Where record iRecord lies in the file: its bytes are the reader's raw data,
// met in file order, so each is found at or after the end of the one before.
struct TRecordPlace
{
    bool tFound = false;
    std::string xProblem; // set when record iRecord could not be read
    std::size_t nStart = 0;
    std::size_t nLength = 0;
    std::string xRawForm; // its bytes as written back in the file's form
    TMarcRecord xRecord;
    std::vector<TRepair> xRepairs; // what was repaired as it was read
};

TRecordPlace qxFindRecord(const std::string& rxFile, EMarcFileFormat eFormat, int iRecord)
{
    TRecordPlace place;
    std::istringstream in(rxFile);
    const auto pxReader = qpxMakeRecordReader(in, eFormat, eReadLenient);
    std::size_t nPosition = 0;
    qvReadPieces(*pxReader, [&](TRecordPiece& rxPiece) {
        if (rxPiece.mePiece == ePieceFiller)
            return;
        const TXBuffer<unsigned char>& rxRaw = *rxPiece.mpxRawData;
        const std::string xRaw(rxRaw.qpacGetData(), rxRaw.qdwGetDataSize());
        const std::size_t nAt = xRaw.empty() ? std::string::npos : rxFile.find(xRaw, nPosition);
        if (nAt != std::string::npos)
            nPosition = nAt + xRaw.size();
        if (place.tFound || rxPiece.mePiece == ePieceStrayBytes ||
            rxPiece.mdwRecordNumber != static_cast<uint32_t>(iRecord))
            return;
        if (rxPiece.mePiece == ePieceBrokenRecord)
        {
            place.xProblem = qxAsciiText(rxPiece.mxProblem.c_str());
            return;
        }
        if (nAt == std::string::npos)
        {
            place.xProblem = "its bytes cannot be placed in the file";
            return;
        }
        place.tFound = true;
        place.nStart = nAt;
        place.nLength = xRaw.size();
        qvAppendRawData(xRaw, eFormat, place.xRawForm);
        place.xRawForm.erase(0, xRaw.size());
        place.xRecord = *rxPiece.mpxRecord;
        place.xRepairs = *rxPiece.mpxRepairs;
    });
    return place;
}

// The record in the file's form, ending as the record it replaces ended there.
std::string qxRecordText(const TMarcRecord& rxRecord, EMarcFileFormat eFormat, const std::string& rxEnding)
{
    std::string xText;
    qvAppendRecord(rxRecord, eFormat, xText);
    if (!rxEnding.empty() && xText.size() >= rxEnding.size() &&
        xText.compare(xText.size() - rxEnding.size(), rxEnding.size(), rxEnding) == 0)
        xText.resize(xText.size() - rxEnding.size());
    return xText;
}

int qiRun(int argc, char** argv)
{
    const TEditorName* pxEditor = nullptr;
    int iRecord = 1;
    int iOccurrence = -1;
    const char* pacPath = nullptr;
    for (int i = 1; i < argc; ++i)
    {
        const std::string xArg = argv[i];
        if ((xArg == "--record" || xArg == "--occurrence") && i + 1 < argc)
        {
            const bool tRecord = xArg == "--record";
            if (!qtParseCount(argv[++i], tRecord ? 1 : 0, tRecord ? iRecord : iOccurrence))
                return qiFail(xArg + " needs a number" + (tRecord ? " from 1" : " from 0") + "\n" + kUsage);
        }
        else if (pxEditor == nullptr)
        {
            for (const TEditorName& rxName : kEditorNames)
                if (xArg == rxName.pacName)
                    pxEditor = &rxName;
            if (pxEditor == nullptr)
                return qiFail("unknown editor \"" + xArg + "\"\n" + kUsage);
        }
        else if (pacPath == nullptr && (xArg.empty() || xArg[0] != '-'))
            pacPath = argv[i];
        else
            return qiFail("unexpected argument \"" + xArg + "\"\n" + kUsage);
    }
    if (pxEditor == nullptr || pacPath == nullptr)
        return qiFail(std::string("give an editor and a file\n") + kUsage);

    std::ifstream in(pacPath, std::ios::binary);
    if (!in)
        return qiFail(std::string("cannot open ") + pacPath);
    const std::string xFile((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    in.close();
    std::istringstream sniff(xFile);
    const EMarcFileFormat eFormat = qeSniffFormat(sniff);

    TRecordPlace place = qxFindRecord(xFile, eFormat, iRecord);
    if (!place.xProblem.empty())
        return qiFail("record " + std::to_string(iRecord) + " cannot be edited: " + place.xProblem);
    if (!place.tFound)
        return qiFail(std::string(pacPath) + " has no record " + std::to_string(iRecord));
    for (const TRepair& rxRepair : place.xRepairs)
        std::fprintf(stderr, "record %d repaired: %s\n", iRecord, qxAsciiText(rxRepair.mxText).c_str());
    if (iOccurrence < 0)
    {
        TMarcTag field;
        iOccurrence = pxEditor->iTag != 0 && place.xRecord.qtFindTag(pxEditor->iTag, field, 1) ? 1 : 0;
    }

    switch (TFieldEditorManager::qeDisplay(pxEditor->eEditor, place.xRecord, iOccurrence, nullptr))
    {
    case eDisplaySaved:
        break;
    case eDisplayNotBibliographic:
        return qiFail(std::string("the ") + pxEditor->pacName + " editor is only for bibliographic records");
    default:
        return kCancelled;
    }
    TMarcRecord xEdited;
    TFieldEditorManager::qvGetMARCRecord(xEdited);
    const std::string xText = qxRecordText(xEdited, eFormat, place.xRawForm);
    if (xText == qxRecordText(place.xRecord, eFormat, place.xRawForm))
    {
        if (!place.xRepairs.empty())
            std::fprintf(stderr, "record %d left as it was read: the editor changed nothing\n", iRecord);
        return kSaved;
    }

    TOutputFile out(pacPath);
    out.qrxStream().write(xFile.data(), static_cast<std::streamsize>(place.nStart));
    out.qrxStream().write(xText.data(), static_cast<std::streamsize>(xText.size()));
    out.qrxStream().write(xFile.data() + place.nStart + place.nLength,
                          static_cast<std::streamsize>(xFile.size() - place.nStart - place.nLength));
    out.qvCommit();
    if (!place.xRepairs.empty())
        std::fprintf(stderr, "record %d written in its repaired form\n", iRecord);
    return kSaved;
}
}

int main(int argc, char** argv)
{
    try
    {
        return qiRun(argc, argv);
    }
    catch (const TException& e)
    {
        return qiFail(qxAsciiText(e.qpwcGetMessage()));
    }
    catch (const std::exception& e)
    {
        return qiFail(e.what());
    }
}
