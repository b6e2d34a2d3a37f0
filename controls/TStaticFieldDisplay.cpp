#include "controls/TStaticFieldDisplay.h"

#include <algorithm>
#include <cstring>

namespace
{
constexpr COLORREF kInactiveTextColour = RGB(255, 0, 0);
}

BEGIN_MESSAGE_MAP(TStaticFieldDisplay, CStatic)
    ON_WM_PAINT()
END_MESSAGE_MAP()

TStaticFieldDisplay::TStaticFieldDisplay()
    : mdwTextColour(::GetSysColor(COLOR_MENUTEXT)), mdwBackgroundColour(::GetSysColor(COLOR_MENU)),
      mdwInactiveTextColour(kInactiveTextColour), mdwHighlightTextColour(::GetSysColor(COLOR_HIGHLIGHTTEXT)),
      mdwHighlightBackgroundColour(::GetSysColor(COLOR_HIGHLIGHT)), miHighlightStart(-1), miFieldLength(kMaxPositions),
      macInactive(), miHighlightCount(0)
{
    std::memset(macInactive, 1, sizeof(macInactive));
}

TStaticFieldDisplay::~TStaticFieldDisplay() = default;

void TStaticFieldDisplay::qvSetFieldLength(int iLength)
{
    miFieldLength = std::clamp(iLength, 0, static_cast<int>(kMaxPositions));
}

void TStaticFieldDisplay::qvSetFieldData(const CString& rxData)
{
    mxFieldData = rxData.GetLength() > miFieldLength ? rxData.Left(miFieldLength) : rxData;
}

void TStaticFieldDisplay::qvSetInactivePositions(int iFirst, int iLast, bool tInactive)
{
    if (iFirst < 0 || iFirst > iLast || iLast >= miFieldLength)
        return;
    std::memset(macInactive + iFirst, tInactive ? 1 : 0, static_cast<size_t>(iLast - iFirst + 1));
}

void TStaticFieldDisplay::qvSetHighlight(int iFirst, int iCount)
{
    // 64-bit sum: a hostile count must not wrap into the accepted range.
    if (static_cast<int64_t>(iFirst) + iCount - 1 >= miFieldLength)
        return;
    miHighlightStart = iFirst;
    miHighlightCount = iCount;
    if (m_hWnd != nullptr)
        InvalidateRect(nullptr, TRUE);
}

bool TStaticFieldDisplay::qtIsInactive(int iPosition) const
{
    return iPosition < 0 || iPosition >= kMaxPositions || macInactive[iPosition] != 0;
}

bool TStaticFieldDisplay::qtIsHighlighted(int iPosition) const
{
    return miHighlightStart <= iPosition && iPosition <= static_cast<int64_t>(miHighlightStart) + miHighlightCount - 1;
}

void TStaticFieldDisplay::qvDraw(CDC* pDC, const CRect& rxClient) const
{
    CBrush background(mdwBackgroundColour);
    ::FillRect(pDC->GetSafeHdc(), &rxClient, background);

    // Positions beyond a shorter string have no character to show.
    const int iShown = std::min(miFieldLength, mxFieldData.GetLength());
    const int iClientWidth = rxClient.Width();
    int x = rxClient.left;
    for (int i = 0; i < iShown; ++i)
    {
        if (qtIsInactive(i))
        {
            pDC->SetTextColor(mdwInactiveTextColour);
            pDC->SetBkColor(mdwBackgroundColour);
        }
        else if (qtIsHighlighted(i))
        {
            pDC->SetTextColor(mdwHighlightTextColour);
            pDC->SetBkColor(mdwHighlightBackgroundColour);
        }
        else
        {
            pDC->SetTextColor(mdwTextColour);
            pDC->SetBkColor(mdwBackgroundColour);
        }
        const wchar_t* pwcChar = mxFieldData.GetString() + i;
        pDC->ExtTextOut(x, rxClient.top, ETO_OPAQUE, nullptr, pwcChar, 1);
        const int w = pDC->GetTextExtent(pwcChar, 1).cx;
        x += w;
        if (x - rxClient.left > iClientWidth - w)
            break;
    }
}

void TStaticFieldDisplay::OnPaint()
{
    CPaintDC dc(this);
    CRect client;
    GetClientRect(&client);
    qvDraw(&dc, client);
}
