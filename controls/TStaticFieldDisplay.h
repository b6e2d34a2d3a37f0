// TStaticFieldDisplay: the read-only field line above an editor's controls. It
// paints the whole fixed-length field one character cell after the other,
// inactive positions in red and the range of the focused control in the system
// highlight colours. It never draws its own window text.
#pragma once

#include <cstdint>
#include "mfc/afxwin.h"

class AFX_EXT_CLASS TStaticFieldDisplay : public CStatic
{
public:
    // The flag table holds one byte per position, so no field longer than this
    // can be shown.
    enum : int
    {
        kMaxPositions = 255
    };

    TStaticFieldDisplay();
    ~TStaticFieldDisplay() override;

    // Number of positions to show; a negative length shows nothing and one above
    // kMaxPositions is cut to it. No repaint.
    void qvSetFieldLength(int iLength);
    // The characters shown, position n being character n; characters at and
    // beyond the field length are dropped. No repaint.
    void qvSetFieldData(const CString& rxData);
    // Marks positions iFirst to iLast (inclusive) inactive or active. Ignored
    // unless 0 <= iFirst <= iLast < field length. No repaint.
    void qvSetInactivePositions(int iFirst, int iLast, bool tInactive);
    // Highlights iCount positions from iFirst and repaints; ignored when the range
    // would end at or beyond the field length. First -1 and count 1 clears it.
    void qvSetHighlight(int iFirst, int iCount);

    // Paints the line into pDC over rxClient, as WM_PAINT does.
    void qvDraw(CDC* pDC, const CRect& rxClient) const;

    int qiGetFieldLength() const { return miFieldLength; }
    const CString& qrxGetFieldData() const { return mxFieldData; }
    int qiGetHighlightStart() const { return miHighlightStart; }
    int qiGetHighlightCount() const { return miHighlightCount; }
    // True for an inactive position; positions outside the table count as inactive.
    bool qtIsInactive(int iPosition) const;

    COLORREF qdwGetTextColour() const { return mdwTextColour; }
    COLORREF qdwGetBackgroundColour() const { return mdwBackgroundColour; }
    COLORREF qdwGetHighlightTextColour() const { return mdwHighlightTextColour; }
    COLORREF qdwGetHighlightBackgroundColour() const { return mdwHighlightBackgroundColour; }

protected:
    void OnPaint();
    DECLARE_MESSAGE_MAP()

private:
    bool qtIsHighlighted(int iPosition) const;

    COLORREF mdwTextColour;
    COLORREF mdwBackgroundColour;
    COLORREF mdwInactiveTextColour;
    COLORREF mdwHighlightTextColour;
    COLORREF mdwHighlightBackgroundColour;
    int miHighlightStart;
    int miFieldLength;
    unsigned char macInactive[kMaxPositions];
    int miHighlightCount;
    CString mxFieldData;
};
