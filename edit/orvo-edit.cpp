// orvo-edit: one field editor on one record of a file, for cataloguing programs
// that would rather run a process than load the library.
//
//   orvo-edit EDITOR [--record N] [--occurrence N] [--force] FILE
//
// EDITOR is leader, 006, 007, 008 or 856; N counts from 1 (record 1 by
// default). The 006, 007 and 856 editors edit the record's first such field by
// default, or add one when it has none; --occurrence 0 always adds one, and one
// past the record's last is refused before any editor opens. A read-only FILE is
// refused unless --force (it stays read-only). A
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
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

namespace
{
const char kUsage[] = "usage: orvo-edit EDITOR [--record N] [--occurrence N] [--force] FILE\n"
                      "  Opens the editor on record N (from 1; default 1) of FILE, ISO 2709 or MARCMaker (.mrk) text,\n"
                      "  and on OK writes FILE again with only that record changed.\n"
                      "  A damaged record is repaired as it is read; each repair is reported.\n"
                      "  EDITOR: leader, 006, 007, 008 or 856.\n"
                      "  --occurrence N  the 006, 007 or 856 to edit, from 1; 0 adds a new one\n"
                      "                  (default: the first, or a new one when the record has none)\n"
                      "  --force         save even when FILE is read-only (it stays read-only)\n"
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
    {"leader", eLeaderEditor, 0}, {"006", e006Editor, 6},   {"007", e007Editor, 7},
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

// Record iRecord of the file: where it lies (the reader gives every piece its
// offset and length), and the record read.
struct TRecordPlace
{
    bool tFound = false;
    std::string xProblem; // set when record iRecord could not be read
    std::size_t nStart = 0;
    std::size_t nLength = 0;
    TMarcRecord xRecord;
    std::vector<TRepair> xRepairs; // what was repaired as it was read
};

TRecordPlace qxFindRecord(const std::string& rxFile, EMarcFileFormat eFormat, int iRecord)
{
    TRecordPlace place;
    std::istringstream in(rxFile);
    qvReadPieces(in, eFormat, eReadLenient, [&](TRecordPiece& rxPiece) {
        if (place.tFound || !place.xProblem.empty() || rxPiece.mePiece == ePieceFiller ||
            rxPiece.mePiece == ePieceStrayBytes || rxPiece.mdwRecordNumber != static_cast<uint32_t>(iRecord))
            return;
        if (rxPiece.mePiece == ePieceBrokenRecord)
        {
            place.xProblem = qxAsciiText(rxPiece.mxProblem.c_str());
            return;
        }
        place.tFound = true;
        place.nStart = static_cast<std::size_t>(rxPiece.mqwOffset);
        place.nLength = static_cast<std::size_t>(rxPiece.mqwLength);
        place.xRecord = *rxPiece.mpxRecord;
        place.xRepairs = *rxPiece.mpxRepairs;
    });
    return place;
}

// How many fields of the tag the record has.
int qiCountFields(const TMarcRecord& rxRecord, int iTag)
{
    int iCount = 0;
    for (uint32_t dw = 0; dw < rxRecord.qdwGetFieldCount(); ++dw)
        iCount += rxRecord.qrxGetField(dw).qiGetTagNumber() == iTag ? 1 : 0;
    return iCount;
}

int qiRun(int argc, char** argv)
{
    const TEditorName* pxEditor = nullptr;
    int iRecord = 1;
    int iOccurrence = -1;
    const char* pacPath = nullptr;
    bool tForce = false;
    for (int i = 1; i < argc; ++i)
    {
        const std::string xArg = argv[i];
        if (xArg == "--force")
            tForce = true;
        else if ((xArg == "--record" || xArg == "--occurrence") && i + 1 < argc)
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

    const std::string xName = std::filesystem::path(pacPath).filename().string();
    if (qtIsFolder(pacPath))
        return qiFail(std::string("Cannot edit ") + pacPath + ": it is a folder, not a file of records.");
    std::ifstream in(pacPath, std::ios::binary);
    if (!in)
        return qiFail(std::string("Cannot open ") + pacPath + ": it does not exist or may not be read.");
    std::string xFile;
    try
    {
        in.exceptions(std::ios::badbit);
        xFile.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }
    catch (const std::ios_base::failure& e)
    {
        return qiFail("Cannot read " + xName + " to its end (" + e.what() + "). The file was not changed.");
    }
    in.close();
    std::istringstream sniff(xFile);
    const EMarcFileFormat eFormat = qeSniffFormat(sniff);

    TRecordPlace place = qxFindRecord(xFile, eFormat, iRecord);
    if (!place.xProblem.empty())
        return qiFail("Record " + std::to_string(iRecord) + " of " + xName +
                      " cannot be edited: it could not be read (" + place.xProblem + "). The file was not changed.");
    if (!place.tFound)
        return qiFail(xName + " has no record " + std::to_string(iRecord) + ". The file was not changed.");
    for (const TRepair& rxRepair : place.xRepairs)
        std::fprintf(stderr, "record %d repaired: %s\n", iRecord, qxAsciiText(rxRepair.mxText).c_str());
    const int iFields = pxEditor->iTag != 0 ? qiCountFields(place.xRecord, pxEditor->iTag) : 0;
    if (iOccurrence < 0)
        iOccurrence = iFields > 0 ? 1 : 0;
    if (pxEditor->iTag != 0 && iOccurrence > iFields)
        return qiFail(
            "Record " + std::to_string(iRecord) + " of " + xName + " has " +
            (iFields == 0 ? std::string("no ") + pxEditor->pacName
                          : std::to_string(iFields) + " " + pxEditor->pacName + (iFields == 1 ? " field" : " fields")) +
            ", so there is no occurrence " + std::to_string(iOccurrence) +
            " to edit (--occurrence 0 adds one). The file was not changed.");
    // Checked before the editor opens: an edit that could not be saved is never asked for.
    std::unique_ptr<TOutputFile> pxOut;
    try
    {
        pxOut = std::make_unique<TOutputFile>(pacPath, tForce);
    }
    catch (const TException& e)
    {
        const std::string xDetail = qxAsciiText(qxMessageDetail(e));
        return qiFail("Cannot save " + xName + ": " + xDetail +
                      (xDetail.find("read-only") != std::string::npos ? " (--force replaces it)" : "") +
                      ". The file was not changed.");
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
    const std::string_view xAsRead(xFile.data() + place.nStart, place.nLength);
    std::string xText, xUnchanged;
    qvAppendRecordInPlace(xEdited, xAsRead, eFormat, xText);
    qvAppendRecordInPlace(place.xRecord, xAsRead, eFormat, xUnchanged);
    if (xText == xUnchanged)
    {
        if (!place.xRepairs.empty())
            std::fprintf(stderr, "record %d left as it was read: the editor changed nothing\n", iRecord);
        return kSaved;
    }

    std::ostream& rxOut = pxOut->qrxStream();
    rxOut.write(xFile.data(), static_cast<std::streamsize>(place.nStart));
    rxOut.write(xText.data(), static_cast<std::streamsize>(xText.size()));
    rxOut.write(xFile.data() + place.nStart + place.nLength,
                static_cast<std::streamsize>(xFile.size() - place.nStart - place.nLength));
    pxOut->qvCommit();
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
