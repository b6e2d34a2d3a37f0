#include "mfc/CDialogTemplate.h"
#include "mfc/AfxModule.h"
#include "mfc/CWnd.h"

#include <algorithm>
#include <cstring>

namespace
{
constexpr WORD kExtendedSignature = 0xFFFF;

size_t AlignUp(size_t n, size_t a)
{
    return (n + a - 1) / a * a;
}

// Reads the data of one template, refusing to read past its end.
class TemplateReader
{
public:
    TemplateReader(const std::vector<BYTE>& rxBytes, size_t nAt) : m_rxBytes(rxBytes), m_nAt(nAt) {}

    bool Ok() const { return m_bOk; }
    size_t At() const { return m_nAt; }
    const BYTE* Here() const { return m_rxBytes.data() + m_nAt; }

    template <class T> T Read()
    {
        T value{};
        if (m_nAt + sizeof(T) > m_rxBytes.size())
        {
            m_bOk = false;
            return value;
        }
        std::memcpy(&value, m_rxBytes.data() + m_nAt, sizeof(T));
        m_nAt += sizeof(T);
        return value;
    }
    // A name or an ordinal (0xFFFF and a WORD) or nothing (a single 0): the
    // name's offset (0 for an ordinal or nothing), and the ordinal.
    size_t ReadNameOrOrdinal(WORD* pwOrdinal = nullptr)
    {
        const size_t nAt = m_nAt;
        const WORD w = Read<WORD>();
        if (w == 0xFFFF)
        {
            const WORD wOrdinal = Read<WORD>();
            if (pwOrdinal != nullptr)
                *pwOrdinal = wOrdinal;
            return 0;
        }
        if (w == 0)
            return 0;
        SkipString();
        return nAt;
    }
    void SkipString()
    {
        while (m_bOk && Read<WORD>() != 0)
        {}
    }
    void Skip(size_t n)
    {
        if (m_nAt + n > m_rxBytes.size())
            m_bOk = false;
        else
            m_nAt += n;
    }
    void AlignTo(size_t a) { m_nAt = AlignUp(m_nAt, a); }

private:
    const std::vector<BYTE>& m_rxBytes;
    size_t m_nAt;
    bool m_bOk = true;
};

// The count of controls, in both forms of the header.
size_t ItemCountOffset(bool bExtended)
{
    // DLGTEMPLATEEX: dlgVer, signature, helpID, exStyle, style, cDlgItems.
    // DLGTEMPLATE: style, dwExtendedStyle, cdit.
    return bExtended ? 2 + 2 + 4 + 4 + 4 : 4 + 4;
}
}

BOOL CDialogTemplate::Load(LPCWSTR lpszTemplate)
{
    m_hInstance = AfxFindResourceHandle(lpszTemplate, RT_DIALOG);
    HRSRC hResource = ::FindResourceW(m_hInstance, lpszTemplate, RT_DIALOG);
    HGLOBAL hTemplate = hResource ? ::LoadResource(m_hInstance, hResource) : nullptr;
    const BYTE* pBytes = static_cast<const BYTE*>(hTemplate ? ::LockResource(hTemplate) : nullptr);
    if (pBytes == nullptr)
        return FALSE;
    return LoadIndirect(pBytes, ::SizeofResource(m_hInstance, hResource), m_hInstance);
}

BOOL CDialogTemplate::LoadIndirect(const void* pTemplate, size_t nSize, HINSTANCE hInstance)
{
    m_hInstance = hInstance;
    const BYTE* pBytes = static_cast<const BYTE*>(pTemplate);
    m_xResource.assign(pBytes, pBytes + nSize);
    m_xItems.clear();

    TemplateReader xSignature(m_xResource, 0);
    const WORD wVersion = xSignature.Read<WORD>();
    m_bExtended = wVersion == 1 && xSignature.Read<WORD>() == kExtendedSignature;
    TemplateReader xRead(m_xResource, 0);
    DWORD dwStyle = 0;
    if (m_bExtended)
    {
        xRead.Skip(2 + 2 + 4 + 4);
        dwStyle = xRead.Read<DWORD>();
    }
    else
    {
        dwStyle = xRead.Read<DWORD>();
        xRead.Skip(4);
    }
    const WORD wItems = xRead.Read<WORD>();
    const short x = xRead.Read<short>();
    const short y = xRead.Read<short>();
    xRead.Skip(2 * sizeof(short));
    m_bAutoCenter = x == 0 && y == 0 && (dwStyle & (DS_CENTER | DS_CENTERMOUSE | DS_ABSALIGN)) == 0;
    xRead.ReadNameOrOrdinal(); // menu
    xRead.ReadNameOrOrdinal(); // class
    xRead.SkipString();        // title
    if (dwStyle & (DS_SETFONT | DS_SHELLFONT))
    {
        xRead.Skip(m_bExtended ? 2 + 2 + 1 + 1 : 2);
        xRead.SkipString();
    }
    xRead.AlignTo(4);
    m_nHeaderSize = xRead.At();

    for (WORD i = 0; i < wItems && xRead.Ok(); ++i)
    {
        Item xItem = {};
        xItem.offset = xRead.At();
        if (m_bExtended)
        {
            xRead.Skip(4); // helpID
            xItem.exStyle = xRead.Read<DWORD>();
            xItem.style = xRead.Read<DWORD>();
        }
        else
        {
            xItem.style = xRead.Read<DWORD>();
            xItem.exStyle = xRead.Read<DWORD>();
        }
        xItem.x = xRead.Read<short>();
        xItem.y = xRead.Read<short>();
        xItem.cx = xRead.Read<short>();
        xItem.cy = xRead.Read<short>();
        xItem.id = m_bExtended ? static_cast<int>(xRead.Read<DWORD>()) : xRead.Read<WORD>();
        xItem.classAt = xRead.ReadNameOrOrdinal(&xItem.classOrdinal);
        xItem.textAt = xRead.ReadNameOrOrdinal();
        const size_t nCreateDataAt = xRead.At();
        const WORD wCreateData = xRead.Read<WORD>();
        xItem.createDataAt = wCreateData != 0 ? nCreateDataAt : 0;
        xRead.Skip(wCreateData);
        xRead.AlignTo(4);
        xItem.size = std::min(xRead.At(), m_xResource.size()) - xItem.offset;
        m_xItems.push_back(xItem);
    }
    if (!xRead.Ok() || m_xItems.size() != wItems)
    {
        m_xResource.clear();
        m_xItems.clear();
        return FALSE;
    }
    RebuildTrimmed();
    return TRUE;
}

void CDialogTemplate::DeferHiddenItems()
{
    for (Item& rxItem : m_xItems)
        rxItem.deferred = (rxItem.style & WS_VISIBLE) == 0 && rxItem.id != 0 && rxItem.id != -1 && rxItem.id != 0xFFFF;
    RebuildTrimmed();
}

void CDialogTemplate::RebuildTrimmed()
{
    m_xTrimmed.assign(m_xResource.begin(), m_xResource.begin() + static_cast<std::ptrdiff_t>(m_nHeaderSize));
    WORD wKept = 0;
    for (const Item& rxItem : m_xItems)
    {
        if (rxItem.deferred)
            continue;
        const auto itFirst = m_xResource.begin() + static_cast<std::ptrdiff_t>(rxItem.offset);
        m_xTrimmed.insert(m_xTrimmed.end(), itFirst, itFirst + static_cast<std::ptrdiff_t>(rxItem.size));
        m_xTrimmed.resize(AlignUp(m_xTrimmed.size(), 4));
        ++wKept;
    }
    if (m_xTrimmed.size() >= ItemCountOffset(m_bExtended) + sizeof(WORD))
        std::memcpy(m_xTrimmed.data() + ItemCountOffset(m_bExtended), &wKept, sizeof(WORD));
}

BOOL CDialogTemplate::GetDeferredItemRect(const CWnd* pDialog, int nID, LPRECT lpRect) const
{
    for (const Item& rxItem : m_xItems)
        if (rxItem.id == nID && rxItem.deferred)
        {
            *lpRect = {rxItem.x, rxItem.y, rxItem.x + rxItem.cx, rxItem.y + rxItem.cy};
            return ::MapDialogRect(pDialog->m_hWnd, lpRect);
        }
    return FALSE;
}

bool CDialogTemplate::IsDeferredAndNotCreated(int nID) const
{
    for (const Item& rxItem : m_xItems)
        if (rxItem.id == nID && rxItem.deferred && !rxItem.created)
            return true;
    return false;
}

HWND CDialogTemplate::CreateDeferredItem(CWnd* pDialog, int nID, const POINT* ptAt, bool bShow, HWND hWndAfter)
{
    for (size_t i = 0; i < m_xItems.size(); ++i)
    {
        Item& rxItem = m_xItems[i];
        if (rxItem.id != nID || !rxItem.deferred || rxItem.created)
            continue;
        // The class: a predefined class by its ordinal, or a name.
        static const wchar_t* const kClasses[] = {L"Button", L"Edit", L"Static", L"ListBox", L"ScrollBar", L"ComboBox"};
        const BYTE* pBytes = m_xResource.data();
        const wchar_t* pwcClass = nullptr;
        if (rxItem.classAt != 0)
            pwcClass = reinterpret_cast<const wchar_t*>(pBytes + rxItem.classAt);
        else if (rxItem.classOrdinal >= 0x80 && rxItem.classOrdinal <= 0x85)
            pwcClass = kClasses[rxItem.classOrdinal - 0x80];
        else
            return nullptr;
        const wchar_t* pwcText = rxItem.textAt != 0 ? reinterpret_cast<const wchar_t*>(pBytes + rxItem.textAt) : L"";
        void* pCreateData = rxItem.createDataAt != 0 ? const_cast<BYTE*>(pBytes + rxItem.createDataAt) : nullptr;

        RECT rect = {rxItem.x, rxItem.y, rxItem.x + rxItem.cx, rxItem.y + rxItem.cy};
        ::MapDialogRect(pDialog->m_hWnd, &rect);
        if (ptAt != nullptr)
            ::OffsetRect(&rect, ptAt->x - rect.left, ptAt->y - rect.top);
        const DWORD dwStyle = rxItem.style | WS_CHILD | (bShow ? WS_VISIBLE : 0);
        HWND hWnd =
            ::CreateWindowExW(rxItem.exStyle | WS_EX_NOPARENTNOTIFY, pwcClass, pwcText, dwStyle,
                              rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top, pDialog->m_hWnd,
                              reinterpret_cast<HMENU>(static_cast<INT_PTR>(nID)), m_hInstance, pCreateData);
        if (hWnd == nullptr)
            return nullptr;
        rxItem.created = true;
        ::SendMessageW(hWnd, WM_SETFONT, static_cast<WPARAM>(pDialog->SendMessage(WM_GETFONT)), FALSE);
        // Its place in the Z order, and so the Tab order: after the control
        // the template has before it, as if it had been created with the dialog.
        // (hWndAfter given: right after that window instead.)
        if (hWndAfter == nullptr)
        {
            hWndAfter = HWND_TOP;
            for (size_t j = i; j-- > 0;)
                if (!m_xItems[j].deferred || m_xItems[j].created)
                {
                    HWND hPrevious = nullptr;
                    pDialog->GetDlgItem(m_xItems[j].id, &hPrevious);
                    if (hPrevious != nullptr)
                        hWndAfter = hPrevious;
                    break;
                }
        }
        // A new child comes last: often where it belongs already, and asking
        // costs less than moving.
        const HWND hWndBefore = ::GetWindow(hWnd, GW_HWNDPREV);
        if (hWndAfter == HWND_TOP ? hWndBefore != nullptr : hWndBefore != hWndAfter)
            ::SetWindowPos(hWnd, hWndAfter, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        return hWnd;
    }
    return nullptr;
}
