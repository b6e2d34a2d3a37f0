// The C interface: TFieldEditorManager for programs that speak only C. Each
// function catches everything at its edge and turns it into a return value
// and the calling thread's last error.
#define ORVO_FIELD_EDITORS_EXPORTS
#include "core/TRecordChecker.h"
#include "manager/OrvoFieldEditors.h"
#include "manager/TFieldEditorManager.h"
#include "mfc/CWnd.h"
#include "recordlib/TException.h"

#include <cstring>
#include <new>
#include <string>

#ifndef ORVO_VERSION
#error "ORVO_VERSION must give the library's version"
#endif

namespace
{
struct TLastError
{
    std::wstring xMessage;
    int iType = ORVO_ERROR_NONE;
    int iCode = 0;
};

thread_local TLastError xLastError_static;

void qvSetLastError(const std::wstring& rxMessage, int iType, int iCode)
{
    xLastError_static.xMessage = rxMessage;
    xLastError_static.iType = iType;
    xLastError_static.iCode = iCode;
}

void qvClearLastError()
{
    qvSetLastError(std::wstring(), ORVO_ERROR_NONE, 0);
}

void qvCheckArgument(bool tGood, const wchar_t* pwcFunction, const wchar_t* pwcWhat)
{
    if (!tGood)
        throw TException(std::wstring(pwcFunction) + L"() : " + pwcWhat, eErrorFatal, -1);
}

TMarcRecord qxReadRecord(const BYTE* pRecord, DWORD cbRecord, const wchar_t* pwcFunction)
{
    qvCheckArgument(pRecord != nullptr, pwcFunction, L"The record is a null pointer");
    TMarcRecord xRecord;
    xRecord.qvSetUSMarcData(pRecord, cbRecord);
    return xRecord;
}

// Bytes in memory of this library's heap, with a NUL after them that the
// size does not count (text stays a C string).
void qvHandOutBytes(const void* pBytes, DWORD cbBytes, BYTE** ppOut, DWORD* pcbOut)
{
    BYTE* pOut = static_cast<BYTE*>(::HeapAlloc(::GetProcessHeap(), 0, cbBytes + 1));
    if (pOut == nullptr)
        throw std::bad_alloc();
    std::memcpy(pOut, pBytes, cbBytes);
    pOut[cbBytes] = 0;
    *ppOut = pOut;
    *pcbOut = cbBytes;
}

// The record as ISO 2709 bytes in memory of this library's heap.
void qvHandOut(const TMarcRecord& rxRecord, BYTE** ppOut, DWORD* pcbOut)
{
    TXBuffer<unsigned char> xBytes;
    rxRecord.qvGetUSMarcData(xBytes, false);
    qvHandOutBytes(xBytes.qpaxGetData(), xBytes.qdwGetDataSize(), ppOut, pcbOut);
}

// Runs fnCall with every exception turned into ORVO_RESULT_ERROR and the
// thread's last error.
template <class TCall> int qiGuarded(TCall fnCall)
{
    qvClearLastError();
    try
    {
        return fnCall();
    }
    catch (const TException& rxError)
    {
        qvSetLastError(rxError.qpwcGetMessage(), rxError.qeGetErrorType(), rxError.qiGetCode());
    }
    catch (const std::bad_alloc&)
    {
        qvSetLastError(L"OrvoFieldEditors : Out of memory", ORVO_ERROR_BAD_DATA, -1);
    }
    catch (const std::exception& rxError)
    {
        const std::string xWhat = rxError.what();
        qvSetLastError(L"OrvoFieldEditors : " + std::wstring(xWhat.begin(), xWhat.end()), ORVO_ERROR_CONTRACT, -1);
    }
    catch (...)
    {
        qvSetLastError(L"OrvoFieldEditors : Unknown failure", ORVO_ERROR_CONTRACT, -1);
    }
    return ORVO_RESULT_ERROR;
}
}

extern "C" int WINAPI OrvoDisplayEditor(int nEditor, const BYTE* pRecord, DWORD cbRecord, int nOccurrence,
                                        HWND hwndParent, BYTE** ppEdited, DWORD* pcbEdited)
{
    return qiGuarded([&]() -> int {
        qvCheckArgument(ppEdited != nullptr && pcbEdited != nullptr, L"OrvoDisplayEditor",
                        L"The result pointers are null");
        *ppEdited = nullptr;
        *pcbEdited = 0;
        qvCheckArgument(hwndParent == nullptr || ::IsWindow(hwndParent), L"OrvoDisplayEditor",
                        L"The parent is not a window");
        const TMarcRecord xRecord = qxReadRecord(pRecord, cbRecord, L"OrvoDisplayEditor");
        const EDisplayReturn eResult =
            TFieldEditorManager::qeDisplay(static_cast<EFieldEditor>(nEditor), xRecord, nOccurrence,
                                           hwndParent != nullptr ? CWnd::FromHandle(hwndParent) : nullptr);
        if (eResult != eDisplaySaved)
            return eResult;
        TMarcRecord xEdited;
        TFieldEditorManager::qvGetMARCRecord(xEdited);
        qvHandOut(xEdited, ppEdited, pcbEdited);
        return ORVO_RESULT_SAVED;
    });
}

extern "C" int WINAPI OrvoAddGeneric008(const BYTE* pRecord, DWORD cbRecord, BOOL bReplace, BYTE** ppResult,
                                        DWORD* pcbResult)
{
    return qiGuarded([&]() -> int {
        qvCheckArgument(ppResult != nullptr && pcbResult != nullptr, L"OrvoAddGeneric008",
                        L"The result pointers are null");
        *ppResult = nullptr;
        *pcbResult = 0;
        TMarcRecord xRecord = qxReadRecord(pRecord, cbRecord, L"OrvoAddGeneric008");
        if (!TFieldEditorManager::qtAddGeneric008ToRecord(xRecord, bReplace != FALSE))
            return ORVO_RESULT_UNCHANGED;
        qvHandOut(xRecord, ppResult, pcbResult);
        return ORVO_RESULT_SAVED;
    });
}

extern "C" int WINAPI OrvoCheckRecord(const BYTE* pRecord, DWORD cbRecord, BYTE** ppText, DWORD* pcbText)
{
    return qiGuarded([&]() -> int {
        qvCheckArgument(ppText != nullptr && pcbText != nullptr, L"OrvoCheckRecord", L"The result pointers are null");
        *ppText = nullptr;
        *pcbText = 0;
        qvCheckArgument(pRecord != nullptr, L"OrvoCheckRecord", L"The record is a null pointer");
        TRecordChecker xChecker;
        xChecker.qtCheckIso2709(pRecord, cbRecord);
        const std::vector<TCheckFinding>& rxFindings = xChecker.qrxGetFindings();
        if (rxFindings.empty())
            return 0;
        std::string xText;
        for (const TCheckFinding& rxFinding : rxFindings)
        {
            qvAppendFindingRow(rxFinding, xText);
            xText += '\n';
        }
        qvHandOutBytes(xText.data(), static_cast<DWORD>(xText.size()), ppText, pcbText);
        return static_cast<int>(rxFindings.size());
    });
}

extern "C" void WINAPI OrvoFreeRecord(BYTE* pRecord)
{
    if (pRecord != nullptr)
        ::HeapFree(::GetProcessHeap(), 0, pRecord);
}

extern "C" const WCHAR* WINAPI OrvoGetLastErrorMessage(void)
{
    return xLastError_static.xMessage.c_str();
}

extern "C" int WINAPI OrvoGetLastErrorType(void)
{
    return xLastError_static.iType;
}

extern "C" int WINAPI OrvoGetLastErrorCode(void)
{
    return xLastError_static.iCode;
}

extern "C" const WCHAR* WINAPI OrvoGetVersion(void)
{
    return ORVO_VERSION;
}
