#include "mfc/CString.h"
#include "mfc/AfxModule.h"

CString::CString(const char* psz)
{
    if (psz == nullptr || *psz == '\0')
        return;
    int n = ::MultiByteToWideChar(CP_ACP, 0, psz, -1, nullptr, 0);
    if (n <= 1)
        return;
    m_str.resize(static_cast<size_t>(n));
    ::MultiByteToWideChar(CP_ACP, 0, psz, -1, &m_str[0], n);
    m_str.resize(static_cast<size_t>(n - 1));
}

CString CString::FromBytes(const char* pch, int nLength)
{
    CString s;
    if (pch == nullptr || nLength <= 0)
        return s;
    s.m_str.resize(static_cast<size_t>(nLength));
    for (size_t i = 0; i < s.m_str.size(); ++i)
        s.m_str[i] = static_cast<wchar_t>(static_cast<unsigned char>(pch[i]));
    return s;
}

std::string CString::ToBytes() const
{
    std::string bytes(m_str.size(), ' ');
    for (size_t i = 0; i < m_str.size(); ++i)
        if (m_str[i] != L'\0' && m_str[i] <= 0xFF)
            bytes[i] = static_cast<char>(static_cast<unsigned char>(m_str[i]));
    return bytes;
}

CString CString::Left(int n) const
{
    if (n <= 0)
        return CString();
    return CString(m_str.substr(0, static_cast<size_t>(n)).c_str());
}

CString CString::Mid(int first, int count) const
{
    if (first < 0)
        first = 0;
    if (first >= GetLength())
        return CString();
    size_t n = count < 0 ? std::wstring::npos : static_cast<size_t>(count);
    return CString(m_str.substr(static_cast<size_t>(first), n).c_str());
}

void CString::TrimRight()
{
    size_t end = m_str.find_last_not_of(L" \t\r\n\v\f");
    m_str.erase(end == std::wstring::npos ? 0 : end + 1);
}

int CString::Find(wchar_t ch, int start) const
{
    if (start < 0)
        start = 0;
    size_t pos = m_str.find(ch, static_cast<size_t>(start));
    return pos == std::wstring::npos ? -1 : static_cast<int>(pos);
}

BOOL CString::LoadString(UINT nID)
{
    // Strings are stored in blocks of 16; the block's resource ID tells which
    // module of the chain holds string nID.
    HINSTANCE hInst = AfxFindResourceHandle(MAKEINTRESOURCEW((nID >> 4) + 1), RT_STRING);
    return LoadString(hInst, nID);
}

BOOL CString::LoadString(HINSTANCE hInstance, UINT nID)
{
    m_str.clear();
    if (hInstance == nullptr)
        return FALSE;
    // With a buffer size of 0, LoadStringW hands out a read-only pointer into the
    // resource itself, which is not NUL-terminated: copy exactly its length.
    const wchar_t* p = nullptr;
    int n = ::LoadStringW(hInstance, nID, reinterpret_cast<LPWSTR>(&p), 0);
    if (n <= 0 || p == nullptr)
        return FALSE;
    m_str.assign(p, static_cast<size_t>(n));
    return TRUE;
}

void AfxFormatString2(CString& rString, UINT nIDS, LPCWSTR lpsz1, LPCWSTR lpsz2)
{
    CString xFormat;
    xFormat.LoadString(nIDS);
    const std::wstring& rxFormat = xFormat.str();
    std::wstring xText;
    for (std::size_t n = 0; n < rxFormat.size(); ++n)
    {
        const wchar_t wcNext = n + 1 < rxFormat.size() ? rxFormat[n + 1] : L'\0';
        if (rxFormat[n] == L'%' && (wcNext == L'1' || wcNext == L'2'))
        {
            const LPCWSTR lpszArgument = wcNext == L'1' ? lpsz1 : lpsz2;
            xText += lpszArgument != nullptr ? lpszArgument : L"";
            ++n;
        }
        else
            xText += rxFormat[n];
    }
    rString = CString(xText.c_str(), static_cast<int>(xText.size()));
}
