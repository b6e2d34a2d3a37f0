// CString: a wide string with the parts of MFC's interface that the editors use.
#pragma once

#include <windows.h>
#include <string>
#include "mfc/AfxDll.h"

class ORVO_MFC_API CString
{
public:
    CString() = default;
    CString(const wchar_t* psz) : m_str(psz ? psz : L"") {}
    CString(const wchar_t* pch, int nLength) : m_str(pch, nLength > 0 ? nLength : 0) {}
    CString(wchar_t ch, int nRepeat = 1) : m_str(nRepeat > 0 ? nRepeat : 0, ch) {}
    // Narrow text is taken in the system ANSI code page, as MFC's Unicode build
    // does. Never for field data: a code page merges, drops or changes bytes.
    explicit CString(const char* psz);

    // Field data as characters, one for one: byte b becomes character U+00bb
    // whatever it is, so bytes go to a control and come back unchanged.
    static CString FromBytes(const char* pch, int nLength);
    static CString FromBytes(const std::string& bytes)
    {
        return FromBytes(bytes.data(), static_cast<int>(bytes.size()));
    }
    // The characters back as bytes, one for one. A character that no field byte
    // gives (NUL, or one above U+00FF: only pasted text holds one) becomes a blank.
    std::string ToBytes() const;

    int GetLength() const { return static_cast<int>(m_str.size()); }
    bool IsEmpty() const { return m_str.empty(); }
    void Empty() { m_str.clear(); }
    wchar_t GetAt(int i) const { return m_str.at(static_cast<size_t>(i)); }
    wchar_t operator[](int i) const { return GetAt(i); }
    operator const wchar_t*() const { return m_str.c_str(); }
    const wchar_t* GetString() const { return m_str.c_str(); }

    CString Left(int n) const;
    CString Mid(int first, int count = -1) const;
    void TrimRight();
    int Find(wchar_t ch, int start = 0) const;

    CString& operator=(const wchar_t* psz)
    {
        m_str = psz ? psz : L"";
        return *this;
    }
    CString& operator+=(const CString& s)
    {
        m_str += s.m_str;
        return *this;
    }
    CString& operator+=(const wchar_t* psz)
    {
        m_str += psz ? psz : L"";
        return *this;
    }
    CString& operator+=(wchar_t ch)
    {
        m_str += ch;
        return *this;
    }
    friend CString operator+(CString a, const CString& b)
    {
        a += b;
        return a;
    }
    friend CString operator+(CString a, const wchar_t* b)
    {
        a += b;
        return a;
    }
    friend CString operator+(const wchar_t* a, const CString& b)
    {
        CString s(a);
        s += b;
        return s;
    }
    friend bool operator==(const CString& a, const CString& b) { return a.m_str == b.m_str; }
    friend bool operator==(const CString& a, const wchar_t* b) { return a.m_str == (b ? b : L""); }
    friend bool operator!=(const CString& a, const CString& b) { return !(a == b); }
    friend bool operator!=(const CString& a, const wchar_t* b) { return !(a == b); }

    // Loads string nID from the resource chain (the current resource module
    // first, then every registered extension library). FALSE when absent; the
    // string is then empty.
    BOOL LoadString(UINT nID);
    BOOL LoadString(HINSTANCE hInstance, UINT nID);

    const std::wstring& str() const { return m_str; }

private:
    std::wstring m_str;
};

// String nIDS with "%1" replaced by lpsz1 and "%2" by lpsz2, as MFC's does.
ORVO_MFC_API void AfxFormatString2(CString& rString, UINT nIDS, LPCWSTR lpsz1, LPCWSTR lpsz2);
