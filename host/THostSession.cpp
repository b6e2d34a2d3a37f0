#include "host/THostSession.h"

#include "editors/008/TGeneric008.h"
#include "marcio/TOutputFile.h"
#include "recordlib/TException.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>

namespace
{
struct TEditorInfo
{
    EFieldEditor meEditor;
    int miTag; // -1: the Leader
    const wchar_t* pwcName;
};

const TEditorInfo kEditors[] = {
    {eLeaderEditor, -1, L"Leader"}, {e006Editor, 6, L"006"}, {e007Editor, 7, L"007"},
    {e008Editor, 8, L"008"},        {e856Editor, 856, L"856"},
};

const TEditorInfo* qpxEditorInfo(EFieldEditor eEditor)
{
    for (const TEditorInfo& info : kEditors)
        if (info.meEditor == eEditor)
            return &info;
    return nullptr;
}

// Record texts are ASCII, UTF-8 or MARC-8: shown byte by byte as Latin-1 when
// they are not valid UTF-8.
std::wstring qxWiden(const char* pacText, std::size_t nSize)
{
    std::wstring xOut;
    xOut.reserve(nSize);
    for (std::size_t n = 0; n < nSize; ++n)
    {
        const unsigned char c = static_cast<unsigned char>(pacText[n]);
        if (c >= 0xC2 && c <= 0xDF && n + 1 < nSize && (static_cast<unsigned char>(pacText[n + 1]) & 0xC0) == 0x80)
        {
            xOut += static_cast<wchar_t>(((c & 0x1F) << 6) | (static_cast<unsigned char>(pacText[n + 1]) & 0x3F));
            ++n;
        }
        else if (c >= 0xE0 && c <= 0xEF && n + 2 < nSize &&
                 (static_cast<unsigned char>(pacText[n + 1]) & 0xC0) == 0x80 &&
                 (static_cast<unsigned char>(pacText[n + 2]) & 0xC0) == 0x80)
        {
            xOut += static_cast<wchar_t>(((c & 0x0F) << 12) |
                                         ((static_cast<unsigned char>(pacText[n + 1]) & 0x3F) << 6) |
                                         (static_cast<unsigned char>(pacText[n + 2]) & 0x3F));
            n += 2;
        }
        else
            xOut += c < 0x20 ? L'\x00B7' : static_cast<wchar_t>(c);
    }
    return xOut;
}

std::wstring qxFileName(const std::wstring& rxPath)
{
    return std::filesystem::path(rxPath).filename().wstring();
}

// OK on an editor that changed nothing leaves the file unchanged.
bool qtSameRecord(const TMarcRecord& rxA, const TMarcRecord& rxB)
{
    if (std::strcmp(rxA.qrxGetLeader().qpacGetData(), rxB.qrxGetLeader().qpacGetData()) != 0 ||
        rxA.qdwGetFieldCount() != rxB.qdwGetFieldCount())
        return false;
    for (uint32_t dw = 0; dw < rxA.qdwGetFieldCount(); ++dw)
    {
        const TMarcTag& rxFieldA = rxA.qrxGetField(dw);
        const TMarcTag& rxFieldB = rxB.qrxGetField(dw);
        if (rxFieldA.qiGetTagNumber() != rxFieldB.qiGetTagNumber() ||
            rxFieldA.qdwGetDataSize() != rxFieldB.qdwGetDataSize() ||
            std::memcmp(rxFieldA.qpacGetData(), rxFieldB.qpacGetData(), rxFieldA.qdwGetDataSize()) != 0)
            return false;
    }
    return true;
}

const wchar_t* qpwcFormatName(EMarcFileFormat eFormat)
{
    return eFormat == eMarcMaker ? L"MARCMaker text" : L"ISO 2709";
}
}

THostSession::THostSession(THostPrompt& rxPrompt)
    : mrxPrompt(rxPrompt), meFormat(eIso2709), meSourceFormat(eIso2709), mnStrayRuns(0), mtModified(false),
      miSelectedRecord(-1), miSelectedField(-1)
{
}

bool THostSession::qtConfirmDiscard()
{
    if (!mtModified)
        return true;
    const std::wstring xName = mxPath.empty() ? std::wstring(L"the records") : qxFileName(mxPath);
    switch (mrxPrompt.qeAsk(L"Save the changes to " + xName + L"?", true))
    {
    case eAnswerYes:
        return qtSave();
    case eAnswerNo:
        return true;
    default:
        return false;
    }
}

bool THostSession::qtOpen()
{
    if (!qtConfirmDiscard())
        return false;
    std::wstring xPath;
    if (!mrxPrompt.qtChooseFileToOpen(xPath))
        return false;
    return qtLoad(xPath);
}

bool THostSession::qtOpenFile(const std::wstring& rxPath)
{
    return qtConfirmDiscard() && qtLoad(rxPath);
}

bool THostSession::qtLoad(const std::wstring& rxPath)
{
    std::ifstream in(std::filesystem::path(rxPath), std::ios::binary);
    if (!in)
    {
        mrxPrompt.qvShowMessage(L"Cannot open " + rxPath + L".", true);
        return false;
    }
    EMarcFileFormat eFormat = qeFormatOfPath(rxPath);
    if (eFormat == eIso2709)
        eFormat = qeSniffFormat(in);

    std::vector<THostEntry> xEntries;
    std::string xBytesBefore; // of the next record
    std::size_t nUnreadable = 0, nRepaired = 0, nStray = 0;
    try
    {
        const std::unique_ptr<TMarcRecordReader> pxReader = qpxMakeRecordReader(in, eFormat, eReadLenient);
        qvReadPieces(*pxReader, [&](TRecordPiece& rxPiece) {
            if (rxPiece.mePiece == ePieceFiller || rxPiece.mePiece == ePieceStrayBytes)
            {
                qvAppendPieceAsRead(rxPiece, eFormat, xBytesBefore);
                if (rxPiece.mePiece == ePieceStrayBytes)
                    ++nStray;
                return;
            }
            THostEntry entry;
            entry.mxBytesBefore.swap(xBytesBefore);
            if (rxPiece.mePiece == ePieceRecord)
            {
                entry.mxRecord = *rxPiece.mpxRecord;
                entry.mxRepairs = *rxPiece.mpxRepairs;
                nRepaired += entry.mxRepairs.empty() ? 0 : 1;
            }
            else
            {
                entry.mtReadable = false;
                entry.mxProblem = rxPiece.mxProblem;
                entry.mxRaw.assign(rxPiece.mpxRawData->qpacGetData(), rxPiece.mpxRawData->qdwGetDataSize());
                entry.meRawFormat = eFormat;
                ++nUnreadable;
            }
            xEntries.push_back(std::move(entry));
        });
    }
    catch (const std::exception& e)
    {
        mrxPrompt.qvShowMessage(L"Cannot read " + rxPath + L": " + qxWiden(e.what(), std::strlen(e.what())), true);
        return false;
    }

    mxEntries.swap(xEntries);
    mxBytesAtEnd.swap(xBytesBefore);
    mnStrayRuns = nStray;
    mxPath = rxPath;
    mxSourcePath = rxPath;
    meFormat = eFormat;
    meSourceFormat = eFormat;
    mtModified = false;
    miSelectedRecord = mxEntries.empty() ? -1 : 0;
    miSelectedField = -1;
    qvReportOpenProblems(nUnreadable, nRepaired, nStray);
    return true;
}

void THostSession::qvReportOpenProblems(std::size_t nUnreadable, std::size_t nRepaired, std::size_t nStrayNotes)
{
    if (nUnreadable == 0 && nRepaired == 0 && nStrayNotes == 0)
        return;
    std::wstring xText;
    if (nRepaired != 0)
        xText += std::to_wstring(nRepaired) + L" of the " + std::to_wstring(mxEntries.size()) +
                 L" records were damaged and have been repaired. They are marked as repaired; select one to see "
                 L"what was repaired. They are saved in their repaired form.";
    if (nUnreadable != 0)
        xText += std::wstring(xText.empty() ? L"" : L"\n") + std::to_wstring(nUnreadable) + L" of the " +
                 std::to_wstring(mxEntries.size()) + L" records could not be read. They are listed as unreadable and are saved back as they were "
                 L"when the file is saved in the same form.";
    if (nStrayNotes != 0)
        xText += std::wstring(xText.empty() ? L"" : L"\n") +
                 L"Bytes that belong to no record were found between records; they are kept where they stand "
                 L"when the file is saved in the same form.";
    mrxPrompt.qvShowMessage(xText, false);
}

bool THostSession::qtSave()
{
    if (mxPath.empty())
        return qtSaveAs();
    return qtSaveTo(mxPath);
}

bool THostSession::qtSaveAs()
{
    std::wstring xPath = mxPath;
    if (!mrxPrompt.qtChooseFileToSave(xPath))
        return false;
    return qtSaveTo(xPath);
}

// The file the records were read from, under this name or another.
bool THostSession::qtIsSourceFile(const std::wstring& rxPath) const
{
    std::error_code xError;
    return !mxSourcePath.empty() && (rxPath == mxSourcePath || std::filesystem::equivalent(rxPath, mxSourcePath, xError));
}

// Before repaired records are written over the file they were read from.
bool THostSession::qtConfirmRepairsOver(const std::wstring& rxPath)
{
    const std::size_t nRepaired = static_cast<std::size_t>(std::count_if(
        mxEntries.begin(), mxEntries.end(), [](const THostEntry& rx) { return !rx.mxRepairs.empty(); }));
    if (nRepaired == 0 || !qtIsSourceFile(rxPath))
        return true;
    return mrxPrompt.qeAsk(std::to_wstring(nRepaired) + L" record(s) were repaired when read from " +
                               qxFileName(mxSourcePath) +
                               L". Saving writes them in their repaired form over that file. Save anyway?",
                           false) == eAnswerYes;
}

bool THostSession::qtSaveTo(const std::wstring& rxPath)
{
    if (!qtConfirmRepairsOver(rxPath))
        return false;
    const EMarcFileFormat eFormat = qeFormatOfPath(rxPath);
    std::size_t nLeftOut = 0;
    for (const THostEntry& entry : mxEntries)
        if (!entry.mtReadable && (entry.meRawFormat != eFormat || entry.mxRaw.empty()))
            ++nLeftOut;
    // Filler and stray bytes keep their places in the form they were read in only.
    const bool tKeepBytes = eFormat == meSourceFormat;
    std::wstring xLeftOut = nLeftOut != 0 ? std::to_wstring(nLeftOut) + L" unreadable record(s)" : L"";
    if (mnStrayRuns != 0 && !tKeepBytes)
        xLeftOut += xLeftOut.empty() ? L"Bytes that belong to no record" : L" and the bytes that belong to no record";
    if (!xLeftOut.empty() &&
        mrxPrompt.qeAsk(xLeftOut + L" cannot be written as " + qpwcFormatName(eFormat) +
                            L" and will be left out. Save anyway?",
                        false) != eAnswerYes)
        return false;

    // Written record by record beside the file, which is replaced only when every
    // record is written: a save that fails leaves the file as it was.
    std::size_t nRecord = 0; // the record being written, from 1
    try
    {
        TOutputFile out(rxPath);
        std::string xPiece;
        for (const THostEntry& entry : mxEntries)
        {
            ++nRecord;
            xPiece.clear();
            if (tKeepBytes)
                xPiece = entry.mxBytesBefore;
            if (entry.mtReadable)
                qvAppendRecord(entry.mxRecord, eFormat, xPiece);
            else if (entry.meRawFormat == eFormat && !entry.mxRaw.empty())
                qvAppendRawData(entry.mxRaw, eFormat, xPiece);
            out.qrxStream().write(xPiece.data(), static_cast<std::streamsize>(xPiece.size()));
        }
        nRecord = 0;
        if (tKeepBytes)
            out.qrxStream().write(mxBytesAtEnd.data(), static_cast<std::streamsize>(mxBytesAtEnd.size()));
        out.qvCommit();
    }
    catch (const TException& e)
    {
        const std::wstring xWhat = nRecord != 0 ? L"Record " + std::to_wstring(nRecord) + L" cannot be saved: "
                                                : L"Cannot save " + rxPath + L": ";
        mrxPrompt.qvShowMessage(xWhat + e.qpwcGetMessage() + L"\n" + qxFileName(rxPath) +
                                    L" was left as it was; the records are still open.",
                                true);
        return false;
    }
    if (qtIsSourceFile(rxPath))
        for (THostEntry& entry : mxEntries)
            entry.mxRepairs.clear(); // the file now holds them repaired
    mxPath = rxPath;
    meFormat = eFormat;
    mtModified = false;
    return true;
}

void THostSession::qvSelectRecord(int iIndex)
{
    miSelectedRecord = (iIndex >= 0 && static_cast<std::size_t>(iIndex) < mxEntries.size()) ? iIndex : -1;
    miSelectedField = -1;
}

void THostSession::qvSelectField(int iIndex)
{
    const THostEntry* pxEntry = miSelectedRecord < 0 ? nullptr : &mxEntries[static_cast<std::size_t>(miSelectedRecord)];
    const bool tInRange = pxEntry != nullptr && iIndex >= 0 &&
                          static_cast<uint32_t>(iIndex) < pxEntry->mxRecord.qdwGetFieldCount();
    miSelectedField = tInRange ? iIndex : -1;
}

int THostSession::qiOccurrenceFor(EFieldEditor eEditor, bool tNewField) const
{
    const TEditorInfo* pxInfo = qpxEditorInfo(eEditor);
    if (tNewField || pxInfo == nullptr || eEditor == eLeaderEditor || eEditor == e008Editor || miSelectedRecord < 0)
        return 0;
    const TMarcRecord& rxRecord = mxEntries[static_cast<std::size_t>(miSelectedRecord)].mxRecord;
    int iOccurrence = 0;
    for (int i = 0; i < static_cast<int>(rxRecord.qdwGetFieldCount()); ++i)
    {
        if (rxRecord.qrxGetField(static_cast<uint32_t>(i)).qiGetTagNumber() != pxInfo->miTag)
            continue;
        ++iOccurrence;
        if (i == miSelectedField)
            return iOccurrence;
    }
    return iOccurrence == 0 ? 0 : 1;
}

THostEntry* THostSession::qpxSelectedEntry(bool tReadableOnly)
{
    if (miSelectedRecord < 0)
    {
        mrxPrompt.qvShowMessage(L"Open a file of records and choose a record first.", false);
        return nullptr;
    }
    THostEntry& rxEntry = mxEntries[static_cast<std::size_t>(miSelectedRecord)];
    if (tReadableOnly && !rxEntry.mtReadable)
    {
        mrxPrompt.qvShowMessage(L"Record " + std::to_wstring(miSelectedRecord + 1) +
                                    L" could not be read and cannot be edited:\n" + rxEntry.mxProblem,
                                true);
        return nullptr;
    }
    return &rxEntry;
}

void THostSession::qvEditField(EFieldEditor eEditor, bool tNewField, CWnd* pParent)
{
    THostEntry* pxEntry = qpxSelectedEntry(true);
    const TEditorInfo* pxInfo = qpxEditorInfo(eEditor);
    if (pxEntry == nullptr || pxInfo == nullptr)
        return;
    const int iOccurrence = qiOccurrenceFor(eEditor, tNewField);
    try
    {
        const EDisplayReturn eResult = TFieldEditorManager::qeDisplay(eEditor, pxEntry->mxRecord, iOccurrence, pParent);
        if (eResult == eDisplayNotBibliographic)
        {
            mrxPrompt.qvShowMessage(std::wstring(L"The ") + pxInfo->pwcName +
                                        L" editor is for bibliographic records only; record " +
                                        std::to_wstring(miSelectedRecord + 1) + L" is not one.",
                                    false);
            return;
        }
        if (eResult != eDisplaySaved)
            return;
        TMarcRecord edited;
        TFieldEditorManager::qvGetMARCRecord(edited);
        if (qtSameRecord(edited, pxEntry->mxRecord))
            return;
        pxEntry->mxRecord = edited;
        mtModified = true;
        miSelectedField = -1;
    }
    catch (const TException& e)
    {
        mrxPrompt.qvShowMessage(e.qpwcGetMessage(), true);
    }
}

void THostSession::qvAddDefault008()
{
    THostEntry* pxEntry = qpxSelectedEntry(true);
    if (pxEntry == nullptr)
        return;
    TMarcTag existing;
    const bool tHas008 = pxEntry->mxRecord.qtFindTag(8, existing, 1);
    if (tHas008 && mrxPrompt.qeAsk(L"Record " + std::to_wstring(miSelectedRecord + 1) +
                                       L" already has an 008. Replace it with the default 008?",
                                   false) != eAnswerYes)
        return;
    try
    {
        TMarcRecord record = pxEntry->mxRecord;
        if (!qtAddGeneric008(record, tHas008))
        {
            const char cType = record.qrxGetLeader().qcGetAt(6);
            mrxPrompt.qvShowMessage(L"There is no default 008 for type of record \"" + std::wstring(1, cType) +
                                        L"\" (Leader/06).",
                                    false);
            return;
        }
        pxEntry->mxRecord = record;
        mtModified = true;
        miSelectedField = -1;
    }
    catch (const TException& e)
    {
        mrxPrompt.qvShowMessage(e.qpwcGetMessage(), true);
    }
}

std::wstring THostSession::qxLeaderLine(const TMarcLeader& rxLeader)
{
    std::string xLine = "LDR    ";
    qvAppendMarcMakerLeader(rxLeader, xLine);
    return qxWiden(xLine.data(), xLine.size());
}

std::wstring THostSession::qxFieldLine(const TMarcTag& rxField)
{
    const int iTag = rxField.qiGetTagNumber();
    char acTag[8] = "???";
    if (iTag >= 0 && iTag <= 999)
        std::snprintf(acTag, sizeof(acTag), "%03d", iTag);
    const bool tControl = rxField.qtIsControlField();
    std::string xData;
    qvAppendMarcMakerData(rxField, xData);
    // Data fields: a blank between the indicators and the subfields.
    if (!tControl && xData.size() >= 2)
        xData.insert(2, " ");
    const std::string xShown = std::string(acTag) + (tControl ? "    " : " ") + xData;
    return qxWiden(xShown.data(), xShown.size());
}

std::wstring THostSession::qxRecordLine(std::size_t nIndex) const
{
    const THostEntry& rxEntry = mxEntries.at(nIndex);
    std::wstring xLine = std::to_wstring(nIndex + 1) + L"\t";
    if (!rxEntry.mtReadable)
        return xLine + L"(unreadable)";
    const std::wstring xMark = rxEntry.mxRepairs.empty() ? L"" : L"\t(repaired)";
    TMarcTag field;
    if (rxEntry.mxRecord.qtFindTag(1, field, 1))
        xLine += qxWiden(field.qpacGetData(), field.qdwGetDataSize());
    xLine += L"\t";
    if (rxEntry.mxRecord.qtFindTag(245, field, 1))
    {
        // The title without indicators and subfield codes.
        std::string xTitle;
        const char* pacData = field.qpacGetData();
        for (uint32_t dw = 2; dw < field.qdwGetDataSize(); ++dw)
        {
            if (pacData[dw] == TMarcTag::mcDelimiter)
                ++dw;
            else
                xTitle += pacData[dw];
        }
        xLine += qxWiden(xTitle.data(), xTitle.size());
    }
    return xLine + xMark;
}
