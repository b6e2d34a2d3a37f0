// The session's editing commands: field lines, fields and records added and
// deleted, undo and redo.
#include "host/THostSession.h"

#include "core/TGeneric008.h"
#include "marcio/TMarcMakerFormat.h"
#include "recordlib/TException.h"

#include <algorithm>
#include <ctime>
#include <cwctype>
#include <filesystem>

namespace
{
bool qtSameField(const TMarcTag& rxA, const TMarcTag& rxB)
{
    return rxA.qiGetTagNumber() == rxB.qiGetTagNumber() &&
           std::string_view(rxA.qpacGetData(), rxA.qdwGetDataSize()) ==
               std::string_view(rxB.qpacGetData(), rxB.qdwGetDataSize());
}
}

const TCharacterSet& THostSession::qrxGetCharacterSet() const
{
    const bool tRecord = miSelectedRecord >= 0 && mxEntries[static_cast<std::size_t>(miSelectedRecord)].mtReadable;
    return TCharacterSet::qrxOfLeader(
        tRecord ? mxEntries[static_cast<std::size_t>(miSelectedRecord)].mxRecord.qrxGetLeader().qcGetAt(9) : 'a');
}

std::wstring THostSession::qxFieldText(int iField) const
{
    if (miSelectedRecord < 0)
        return std::wstring();
    const TMarcRecord& rxRecord = mxEntries[static_cast<std::size_t>(miSelectedRecord)].mxRecord;
    if (iField < 0 || static_cast<uint32_t>(iField) >= rxRecord.qdwGetFieldCount())
        return std::wstring();
    return qxMarcMakerFieldText(rxRecord.qrxGetField(static_cast<uint32_t>(iField)), qrxGetCharacterSet());
}

void THostSession::qvPutField(int iField, const TMarcTag& rxField)
{
    THostEntry* pxEntry = qpxSelectedEntry(true);
    if (pxEntry == nullptr)
        return;
    TMarcRecord record = pxEntry->mxRecord;
    const bool tReplace = iField >= 0 && static_cast<uint32_t>(iField) < record.qdwGetFieldCount();
    try
    {
        if (tReplace && record.qrxGetField(static_cast<uint32_t>(iField)).qiGetTagNumber() == rxField.qiGetTagNumber())
            record.qrxGetField(static_cast<uint32_t>(iField)) = rxField;
        else
        {
            // Another tag moves the field to its place in tag order.
            if (tReplace)
                record.qvRemoveField(static_cast<uint32_t>(iField));
            record.qvOrderedInsert(rxField);
        }
    }
    catch (const TException& e)
    {
        mrxPrompt.qvShowMessage(L"Field " + rxField.qxGetTagWideText() + L" cannot go into record " +
                                    std::to_wstring(miSelectedRecord + 1) + L": " + qxMessageDetail(e) +
                                    L". The record was not changed.",
                                true, e.qpwcGetMessage());
        return;
    }
    if (tReplace && qtSameField(record.qrxGetField(static_cast<uint32_t>(iField)),
                                pxEntry->mxRecord.qrxGetField(static_cast<uint32_t>(iField))))
        return;
    qvReplaceSelectedRecord(record);
    // The field put in: the last of its tag when it was added.
    int iPlace =
        tReplace && record.qrxGetField(static_cast<uint32_t>(iField)).qiGetTagNumber() == rxField.qiGetTagNumber()
            ? iField
            : -1;
    for (uint32_t dw = 0; iPlace < 0 && dw < record.qdwGetFieldCount(); ++dw)
        if (record.qrxGetField(dw).qiGetTagNumber() == rxField.qiGetTagNumber() &&
            (dw + 1 == record.qdwGetFieldCount() ||
             record.qrxGetField(dw + 1).qiGetTagNumber() != rxField.qiGetTagNumber()))
            iPlace = static_cast<int>(dw);
    miSelectedField = iPlace;
}

void THostSession::qvDeleteField()
{
    THostEntry* pxEntry = qpxSelectedEntry(true);
    if (pxEntry == nullptr || miSelectedField < 0)
        return;
    const uint32_t dwField = static_cast<uint32_t>(miSelectedField);
    const std::wstring xTag = pxEntry->mxRecord.qrxGetField(dwField).qxGetTagWideText();
    if (mrxPrompt.qeAsk(L"Delete field " + xTag + L" from record " + std::to_wstring(miSelectedRecord + 1) + L"?",
                        false) != eAnswerYes)
        return;
    TMarcRecord record = pxEntry->mxRecord;
    record.qvRemoveField(dwField);
    const int iField = miSelectedField;
    qvReplaceSelectedRecord(record);
    qvSelectField(std::min(iField, static_cast<int>(record.qdwGetFieldCount()) - 1));
}

void THostSession::qvNewRecord(CWnd* pParent)
{
    TMarcRecord record;
    record.qvSetLeader("00000nam a2200000 a 4500");
    if (TFieldEditorManager::qeDisplay(eLeaderEditor, record, 0, pParent) != eDisplaySaved)
        return;
    TFieldEditorManager::qvGetMARCRecord(record);
    if (qtAddGeneric008(record, false))
    {
        // Date entered on file: today, yymmdd.
        const std::time_t xNow = std::time(nullptr);
        char acDate[8] = {};
        std::strftime(acDate, sizeof(acDate), "%y%m%d", std::localtime(&xNow));
        uint32_t dw008 = 0;
        while (record.qrxGetField(dw008).qiGetTagNumber() != 8)
            ++dw008;
        TMarcTag& rx008 = record.qrxGetField(dw008);
        std::string xData(rx008.qpacGetData(), rx008.qdwGetDataSize());
        xData.replace(0, 6, acDate);
        rx008.qvSetData(xData.c_str(), false);
    }
    THostEntry entry;
    entry.mxRecord = record;
    entry.mtChanged = true;
    THostChange xChange;
    xChange.mnIndex = miSelectedRecord < 0 ? mxEntries.size() : static_cast<std::size_t>(miSelectedRecord) + 1;
    xChange.mxAfter = std::move(entry);
    qvApply(xChange, true);
    mxEdits.qvRecord(std::move(xChange));
    mtModified = true;
}

void THostSession::qvDeleteRecord()
{
    if (qpxSelectedEntry(false) == nullptr ||
        mrxPrompt.qeAsk(L"Delete record " + std::to_wstring(miSelectedRecord + 1) + L" from the file?", false) !=
            eAnswerYes)
        return;
    THostChange xChange;
    xChange.mnIndex = static_cast<std::size_t>(miSelectedRecord);
    xChange.mxBefore = mxEntries[xChange.mnIndex];
    qvApply(xChange, true);
    mxEdits.qvRecord(std::move(xChange));
    mtModified = true;
}

void THostSession::qvReplaceSelectedRecord(const TMarcRecord& rxRecord)
{
    THostChange xChange;
    xChange.mnIndex = static_cast<std::size_t>(miSelectedRecord);
    xChange.mxBefore = mxEntries[xChange.mnIndex];
    xChange.mxAfter = mxEntries[xChange.mnIndex];
    xChange.mxAfter->mxRecord = rxRecord;
    xChange.mxAfter->mtChanged = true;
    qvApply(xChange, true);
    mxEdits.qvRecord(std::move(xChange));
    mtModified = true;
}

void THostSession::qvApply(const THostChange& rxChange, bool tForward)
{
    const std::optional<THostEntry>& rxFrom = tForward ? rxChange.mxBefore : rxChange.mxAfter;
    const std::optional<THostEntry>& rxTo = tForward ? rxChange.mxAfter : rxChange.mxBefore;
    const auto itAt = mxEntries.begin() + static_cast<std::ptrdiff_t>(rxChange.mnIndex);
    if (rxFrom && rxTo)
        *itAt = *rxTo;
    else if (rxTo)
        mxEntries.insert(itAt, *rxTo);
    else if (rxFrom)
        mxEntries.erase(itAt);
    const std::size_t nSelected = std::min(rxChange.mnIndex, mxEntries.size() - (mxEntries.empty() ? 0 : 1));
    miSelectedRecord = mxEntries.empty() ? -1 : static_cast<int>(nSelected);
    miSelectedField = -1;
}

bool THostSession::qtUndo()
{
    return qtStep(mxEdits.qpxUndo(), false);
}

bool THostSession::qtRedo()
{
    return qtStep(mxEdits.qpxRedo(), true);
}

bool THostSession::qtStep(const THostChange* pxChange, bool tForward)
{
    if (pxChange == nullptr)
        return false;
    qvApply(*pxChange, tForward);
    mtModified = !mxEdits.qtAtSaved();
    return true;
}

namespace
{
std::wstring qxFolded(std::wstring xText)
{
    for (wchar_t& wc : xText)
        wc = static_cast<wchar_t>(std::towlower(static_cast<wint_t>(wc)));
    return xText;
}

char qcFoldedAscii(char c)
{
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

// rxText folded to lowercase when it is plain ASCII with none of the marks a
// field line writes for other bytes ($ \ { }); empty otherwise. Such text
// can be in a field's line only when its bytes are in the field's data: in
// UTF-8, ISO 8859-1 and MARC-8 alike an ASCII character is its own byte.
std::string qxPlainAscii(const std::wstring& rxText)
{
    std::string xOut;
    for (const wchar_t wc : rxText)
    {
        if (wc >= 0x80 || wc < 0x20 || wc == L'$' || wc == L'\\' || wc == L'{' || wc == L'}')
            return std::string();
        xOut += qcFoldedAscii(static_cast<char>(wc));
    }
    return xOut;
}

bool qtMayHold(const TMarcTag& rxField, const std::string& rxFoldedAscii)
{
    const char* pacData = rxField.qpacGetData();
    const char* pacEnd = pacData + rxField.qdwGetDataSize();
    return std::search(pacData, pacEnd, rxFoldedAscii.begin(), rxFoldedAscii.end(),
                       [](char cData, char cWanted) { return qcFoldedAscii(cData) == cWanted; }) != pacEnd;
}
}

bool THostSession::qtFind(const std::wstring& rxText)
{
    const std::wstring xWanted = qxFolded(rxText);
    const std::string xPlain = qxPlainAscii(rxText);
    const std::size_t nRecords = mxEntries.size();
    const std::size_t nStart = miSelectedRecord < 0 ? 0 : static_cast<std::size_t>(miSelectedRecord);
    // Round every record once, and the start record's fields before the selection at the end.
    for (std::size_t nStep = 0; nStep <= nRecords && nRecords != 0; ++nStep)
    {
        const std::size_t nRecord = (nStart + nStep) % nRecords;
        const THostEntry& rxEntry = mxEntries[nRecord];
        if (!rxEntry.mtReadable)
            continue;
        const TCharacterSet& rxSet = TCharacterSet::qrxOfLeader(rxEntry.mxRecord.qrxGetLeader().qcGetAt(9));
        const uint32_t dwCount = rxEntry.mxRecord.qdwGetFieldCount();
        const uint32_t dwFirst = nStep == 0 && miSelectedField >= 0 ? static_cast<uint32_t>(miSelectedField) + 1 : 0;
        const uint32_t dwEnd =
            nStep == nRecords && miSelectedField >= 0 ? static_cast<uint32_t>(miSelectedField) + 1 : dwCount;
        for (uint32_t dw = dwFirst; dw < dwEnd && dw < dwCount; ++dw)
        {
            // The field's text after "=TAG  "; a quick look at its bytes first.
            const TMarcTag& rxField = rxEntry.mxRecord.qrxGetField(dw);
            if ((!xPlain.empty() && !qtMayHold(rxField, xPlain)) ||
                qxFolded(qxMarcMakerFieldText(rxField, rxSet)).find(xWanted, 6) == std::wstring::npos)
                continue;
            miSelectedRecord = static_cast<int>(nRecord);
            miSelectedField = static_cast<int>(dw);
            return true;
        }
    }
    mrxPrompt.qvShowMessage(
        L"\"" + rxText + L"\" is in no field of " +
            (mxPath.empty() ? std::wstring(L"the records") : std::filesystem::path(mxPath).filename().wstring()) + L".",
        false);
    return false;
}

bool THostSession::qtGoTo(const std::wstring& rxText)
{
    const std::size_t nFirst = rxText.find_first_not_of(L' ');
    const std::wstring xText = nFirst == std::wstring::npos
                                   ? std::wstring()
                                   : rxText.substr(nFirst, rxText.find_last_not_of(L' ') - nFirst + 1);
    if (!xText.empty() && xText.size() < 10 && xText.find_first_not_of(L"0123456789") == std::wstring::npos)
    {
        const std::size_t nNumber = std::stoul(xText);
        if (nNumber >= 1 && nNumber <= mxEntries.size())
        {
            qvSelectRecord(static_cast<int>(nNumber - 1));
            return true;
        }
    }
    for (std::size_t n = 0; n < mxEntries.size() && !xText.empty(); ++n)
    {
        TMarcTag x001;
        if (!mxEntries[n].mtReadable || !mxEntries[n].mxRecord.qtFindTag(1, x001, 1))
            continue;
        std::wstring xId =
            qxMarcMakerFieldText(x001, TCharacterSet::qrxOfLeader(mxEntries[n].mxRecord.qrxGetLeader().qcGetAt(9)))
                .substr(6);
        std::replace(xId.begin(), xId.end(), L'\\', L' ');
        const std::size_t nIdFirst = xId.find_first_not_of(L' ');
        if (nIdFirst != std::wstring::npos && xId.substr(nIdFirst, xId.find_last_not_of(L' ') - nIdFirst + 1) == xText)
        {
            qvSelectRecord(static_cast<int>(n));
            return true;
        }
    }
    mrxPrompt.qvShowMessage(L"There is no record " + xText + L": give a number from 1 to " +
                                std::to_wstring(mxEntries.size()) + L" or a record's 001.",
                            false);
    return false;
}

std::wstring THostSession::qxStatusLine() const
{
    if (mxPath.empty())
        return L"No file open";
    std::size_t nChanged = 0;
    for (const THostEntry& rxEntry : mxEntries)
        nChanged += rxEntry.mtChanged ? 1 : 0;
    return std::wstring(meFormat == eMarcMaker ? L"MARCMaker text" : L"ISO 2709") + L"    " +
           (miSelectedRecord < 0 ? std::wstring() : std::wstring(qrxGetCharacterSet().qpwcGetName()) + L"    ") +
           std::to_wstring(mxEntries.size()) + (mxEntries.size() == 1 ? L" record    " : L" records    ") +
           std::to_wstring(nChanged) + L" changed";
}
