#include "host/THostSession.h"

#include "core/TGeneric008.h"
#include "marcio/TOutputFile.h"
#include "recordlib/TException.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace
{
struct TEditorInfo
{
    EFieldEditor meEditor;
    int miTag; // -1: the Leader
    const wchar_t* pwcName;
};

const TEditorInfo kEditors[] = {
    {eLeaderEditor, -1, L"Leader"}, {e006Editor, 6, L"006"},   {e007Editor, 7, L"007"},
    {e008Editor, 8, L"008"},        {e856Editor, 856, L"856"},
};

const TEditorInfo* qpxEditorInfo(EFieldEditor eEditor)
{
    for (const TEditorInfo& info : kEditors)
        if (info.meEditor == eEditor)
            return &info;
    return nullptr;
}

// Text of a record as the record list shows it: read in the record's set as
// the editors show it, what could not be read made visible, control characters
// as a middle dot.
std::wstring qxShownText(const TCharacterSet& rxSet, std::string_view xBytes)
{
    std::wstring xText = TCharacterSet::qxVisibleText(rxSet.qxDecodeComposed(xBytes));
    for (wchar_t& wc : xText)
        if (static_cast<uint32_t>(wc) < 0x20)
            wc = L'\x00B7';
    return xText;
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
{}

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
    if (qtIsFolder(rxPath))
    {
        mrxPrompt.qvShowMessage(L"Cannot open " + rxPath + L": it is a folder, not a file of records.", true);
        return false;
    }
    std::ifstream in(std::filesystem::path(rxPath), std::ios::binary);
    if (!in)
    {
        mrxPrompt.qvShowMessage(L"Cannot open " + rxPath + L": it does not exist or may not be read.", true);
        return false;
    }
    const EMarcFileFormat eFormat = qeSniffFormat(in);

    std::vector<THostEntry> xEntries;
    std::string xBytesBefore; // of the next record
    std::size_t nUnreadable = 0, nRepaired = 0, nStray = 0;
    try
    {
        // The file a second time, for a piece too long for the reader to keep.
        std::ifstream source(std::filesystem::path(rxPath), std::ios::binary);
        const auto qxBytes = [&](const TRecordPiece& rxPiece) {
            std::ostringstream xBytes;
            qtWritePieceAsRead(rxPiece, &source, xBytes);
            return xBytes.str();
        };
        qvReadPieces(in, eFormat, eReadLenient, [&](TRecordPiece& rxPiece) {
            if (rxPiece.mePiece == ePieceFiller || rxPiece.mePiece == ePieceStrayBytes)
            {
                xBytesBefore += qxBytes(rxPiece);
                if (rxPiece.mePiece == ePieceStrayBytes)
                    ++nStray;
                return;
            }
            THostEntry entry;
            entry.mxBytesBefore.swap(xBytesBefore);
            entry.mxRaw = qxBytes(rxPiece);
            entry.meRawFormat = eFormat;
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
                ++nUnreadable;
            }
            xEntries.push_back(std::move(entry));
        });
    }
    catch (const TException& e)
    {
        mrxPrompt.qvShowMessage(L"Cannot read " + qxFileName(rxPath) + L" to its end: " + qxMessageDetail(e) +
                                    L". Nothing was opened.",
                                true, e.qpwcGetMessage());
        return false;
    }
    catch (const std::exception& e)
    {
        mrxPrompt.qvShowMessage(L"Cannot read " + qxFileName(rxPath) + L": " +
                                    qxShownText(TCharacterSet::qrxOf(eCharsetUtf8), e.what()) +
                                    L". Nothing was opened.",
                                true);
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
    mxEdits.qvClear();
    mxStamp = THostFileStamp::qxOf(rxPath);
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
                 std::to_wstring(mxEntries.size()) +
                 L" records could not be read. They are listed as unreadable and are saved back as they were "
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

bool THostSession::qtReload()
{
    if (mxPath.empty())
        return false;
    if (mtModified && mrxPrompt.qeAsk(L"Give up the changes to " + std::filesystem::path(mxPath).filename().wstring() +
                                          L" and read it again from the disk?",
                                      false) != eAnswerYes)
        return false;
    const std::wstring xPath = mxPath;
    return qtLoad(xPath);
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
    return !mxSourcePath.empty() && (rxPath == mxSourcePath || qtSameFile(rxPath, mxSourcePath));
}

// Before repaired records are written over the file they were read from.
bool THostSession::qtConfirmRepairsOver(const std::wstring& rxPath)
{
    const std::size_t nRepaired = static_cast<std::size_t>(
        std::count_if(mxEntries.begin(), mxEntries.end(), [](const THostEntry& rx) { return !rx.mxRepairs.empty(); }));
    if (nRepaired == 0 || !qtIsSourceFile(rxPath))
        return true;
    return mrxPrompt.qeAsk(std::to_wstring(nRepaired) + L" record(s) were repaired when read from " +
                               qxFileName(mxSourcePath) +
                               L". Saving writes them in their repaired form over that file. Save anyway?",
                           false) == eAnswerYes;
}

bool THostSession::qtSaveTo(const std::wstring& rxPath)
{
    // A read-only file is never replaced; the records may go to another.
    if (qtIsReadOnlyFile(rxPath))
        return mrxPrompt.qeAsk(L"Cannot save " + qxFileName(rxPath) +
                                   L": it is read-only. The file was not changed; the records are still open. Save "
                                   L"them under another name?",
                               false) == eAnswerYes &&
               qtSaveAs();
    if (!qtConfirmRepairsOver(rxPath))
        return false;
    // The open file changed by another program since it was read: not saved over
    // without asking.
    std::error_code xError;
    if (!mxPath.empty() && std::filesystem::equivalent(rxPath, mxPath, xError) &&
        THostFileStamp::qxOf(rxPath) != mxStamp &&
        mrxPrompt.qeAsk(std::filesystem::path(rxPath).filename().wstring() +
                            L" was changed by another program since it was read. Save over it anyway? What "
                            L"that program wrote would be lost.",
                        false) != eAnswerYes)
        return false;
    // The file read keeps its form; another file takes the form its name asks for.
    const EMarcFileFormat eFormat = qtIsSourceFile(rxPath) ? meSourceFormat : qeFormatOfPath(rxPath);
    std::size_t nLeftOut = 0;
    for (const THostEntry& entry : mxEntries)
        if (!entry.mtReadable && (entry.meRawFormat != eFormat || entry.mxRaw.empty()))
            ++nLeftOut;
    // Filler and stray bytes keep their places in the form they were read in only.
    const bool tKeepBytes = eFormat == meSourceFormat;
    std::wstring xLeftOut = nLeftOut != 0 ? std::to_wstring(nLeftOut) + L" unreadable record(s)" : L"";
    if (mnStrayRuns != 0 && !tKeepBytes)
        xLeftOut += xLeftOut.empty() ? L"Bytes that belong to no record" : L" and the bytes that belong to no record";
    if (!xLeftOut.empty() && mrxPrompt.qeAsk(xLeftOut + L" cannot be written as " + qpwcFormatName(eFormat) +
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
            const bool tAsRead = entry.meRawFormat == eFormat && !entry.mxRaw.empty() &&
                                 (!entry.mtReadable || (!entry.mtChanged && entry.mxRepairs.empty()));
            if (tAsRead)
                xPiece += entry.mxRaw;
            else if (entry.mtReadable && tKeepBytes)
                qvAppendRecordInPlace(entry.mxRecord, entry.mxRaw, eFormat, xPiece);
            else if (entry.mtReadable)
                qvAppendRecord(entry.mxRecord, eFormat, xPiece);
            out.qrxStream().write(xPiece.data(), static_cast<std::streamsize>(xPiece.size()));
        }
        nRecord = 0;
        if (tKeepBytes)
            out.qrxStream().write(mxBytesAtEnd.data(), static_cast<std::streamsize>(mxBytesAtEnd.size()));
        out.qvCommit();
    }
    catch (const TException& e)
    {
        const std::wstring xWhat =
            nRecord != 0 ? L"Record " + std::to_wstring(nRecord) + L" cannot be saved in " + qxFileName(rxPath) + L": "
                         : L"Cannot save " + qxFileName(rxPath) + L": ";
        mrxPrompt.qvShowMessage(xWhat + qxMessageDetail(e) + L". The file was not changed; the records are still open.",
                                true, e.qpwcGetMessage());
        return false;
    }
    if (qtIsSourceFile(rxPath))
        for (THostEntry& entry : mxEntries)
        {
            // The file now holds them repaired: no longer as they were read.
            entry.mtChanged = entry.mtChanged || !entry.mxRepairs.empty();
            entry.mxRepairs.clear();
        }
    mxPath = rxPath;
    meFormat = eFormat;
    mtModified = false;
    mxEdits.qvMarkSaved();
    mxStamp = THostFileStamp::qxOf(rxPath);
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
    const bool tInRange =
        pxEntry != nullptr && iIndex >= 0 && static_cast<uint32_t>(iIndex) < pxEntry->mxRecord.qdwGetFieldCount();
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

void THostSession::qvEditField(EFieldEditor eEditor, bool tNewField, CWnd* pParent, int iFocusPosition)
{
    THostEntry* pxEntry = qpxSelectedEntry(true);
    const TEditorInfo* pxInfo = qpxEditorInfo(eEditor);
    if (pxEntry == nullptr || pxInfo == nullptr)
        return;
    const int iOccurrence = qiOccurrenceFor(eEditor, tNewField);
    try
    {
        const EDisplayReturn eResult =
            TFieldEditorManager::qeDisplayAt(eEditor, pxEntry->mxRecord, iOccurrence, iFocusPosition, pParent);
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
        qvReplaceSelectedRecord(edited);
    }
    catch (const TException& e)
    {
        mrxPrompt.qvShowMessage(std::wstring(L"The ") + pxInfo->pwcName + L" editor could not work on record " +
                                    std::to_wstring(miSelectedRecord + 1) + L". The record was not changed.",
                                true, e.qpwcGetMessage());
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
            mrxPrompt.qvShowMessage(
                L"There is no default 008 for type of record \"" + std::wstring(1, cType) + L"\" (Leader/06).", false);
            return;
        }
        qvReplaceSelectedRecord(record);
    }
    catch (const TException& e)
    {
        mrxPrompt.qvShowMessage(L"The default 008 could not be given to record " +
                                    std::to_wstring(miSelectedRecord + 1) + L". The record was not changed.",
                                true, e.qpwcGetMessage());
    }
}

std::wstring THostSession::qxLeaderLine(const TMarcLeader& rxLeader)
{
    std::string xLine = "LDR    ";
    qvAppendMarcMakerLeader(rxLeader, xLine);
    return TCharacterSet::qrxOfLeader(rxLeader.qcGetAt(9)).qxDecodeByPosition(xLine);
}

std::wstring THostSession::qxFieldLine(const TMarcTag& rxField, const TCharacterSet& rxSet)
{
    const std::string xTag = rxField.qxGetTagText();
    const bool tControl = rxField.qtIsControlField();
    std::wstring xData;
    qvAppendMarcMakerText(rxField, rxSet, xData);
    // Data fields: a blank between the indicators and the subfields.
    if (!tControl && xData.size() >= 2)
        xData.insert(2, L" ");
    const std::string xTagShown = xTag.empty() ? std::string("???") : xTag;
    return std::wstring(xTagShown.begin(), xTagShown.end()) + (tControl ? L"    " : L" ") + xData;
}

THostRecordRow THostSession::qxRecordRow(std::size_t nIndex) const
{
    const THostEntry& rxEntry = mxEntries.at(nIndex);
    THostRecordRow xRow;
    xRow[eColumnNumber] = qxRecordNumber(nIndex);
    if (!rxEntry.mtReadable)
    {
        xRow[eColumnStatus] = L"unreadable";
        return xRow;
    }
    xRow[eColumnStatus] = !rxEntry.mxRepairs.empty() ? L"repaired" : rxEntry.mtChanged ? L"changed" : L"";
    const TCharacterSet& rxSet = TCharacterSet::qrxOfLeader(rxEntry.mxRecord.qrxGetLeader().qcGetAt(9));
    TMarcTag field;
    if (rxEntry.mxRecord.qtFindTag(1, field, 1))
        xRow[eColumnId] = qxShownText(rxSet, std::string_view(field.qpacGetData(), field.qdwGetDataSize()));
    if (rxEntry.mxRecord.qtFindTag(245, field, 1))
    {
        // The title without indicators and subfield codes: each subfield's text read on its own.
        const std::string_view xData(field.qpacGetData(), field.qdwGetDataSize());
        for (std::size_t n = std::min<std::size_t>(2, xData.size()); n < xData.size();)
        {
            if (xData[n] == TMarcTag::mcDelimiter)
                n += 2;
            const std::size_t nEnd = std::min(xData.find(TMarcTag::mcDelimiter, n), xData.size());
            if (n < nEnd)
                xRow[eColumnTitle] += qxShownText(rxSet, xData.substr(n, nEnd - n));
            n = nEnd;
        }
    }
    return xRow;
}
