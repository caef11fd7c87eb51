#include "sheet/TessaralDlg.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPushButton>
#include <utility>

#include "framework/text.h"
#include "framework/win_app.h"
#include "res/resource.h"
#include "res/strings.h"

IMPLEMENT_DYNAMIC(CTessaralDlg, CPropertySheet)

CTessaralDlg::CTessaralDlg(const CString& pszCaption, QWidget* pParentWnd, UINT iSelectPage)
    : CPropertySheet(pszCaption, pParentWnd, iSelectPage)
{
}

void CTessaralDlg::StoreLogoText(CString text)
{
    m_strLogoText = std::move(text);
}

void CTessaralDlg::CreateLogoFont(const CString& faceName, int height, int weight, bool italic,
                                  bool underline)
{
    // Named as it is, not chosen like the templates' fonts (framework/fonts.h): where
    // "Arial" is missing, fontconfig gives it a face of the same metrics (Liberation Sans,
    // Nimbus Sans), which draws the logo and sets the window's height; the desktop's own
    // font would draw it otherwise and make the window shorter.
    QFont font(faceName);
    font.setPixelSize(height);
    font.setWeight(static_cast<QFont::Weight>(weight));
    font.setItalic(italic);
    font.setUnderline(underline);
    m_fontLogoText = font;
    // The row of buttons grows to the logo's line, so no letter below the baseline is
    // cut off by the window's edge.
    SetButtonRowHeight(QFontMetrics(font).height());
}

// The window manager's own menu offers restore, minimise and size once the window has
// a minimise button and a sizing frame, so there is no system menu to extend here.
BOOL CTessaralDlg::OnInitDialog()
{
    ModifyStyle(0, WS_MINIMIZEBOX);
    static_cast<QPushButton*>(GetDlgItem(IDCANCEL))
        ->setText(framework::ToQString(res::kExitCaption));
    GetDlgItem(IDHELP)->hide();
    GetDlgItem(IDOK)->hide();
    GetDlgItem(ID_APPLY_NOW)->hide();
    if (const CWinApp* app = AfxGetApp()) {
        setWindowIcon(app->LoadIcon(IDR_MAINFRAME));
    }
    ModifyStyle(0, WS_THICKFRAME);
    const BOOL result = CPropertySheet::OnInitDialog();
    CreateLogoFont(QStringLiteral("Arial"), 24, 700, true, false);
    return result;
}

void CTessaralDlg::paintEvent(QPaintEvent* /*event*/)
{
    OnPaint();
}

// The text is drawn twice: a light copy one pixel right and down, then a dark copy on
// top of it, which reads as text pressed into the window.
void CTessaralDlg::OnPaint()
{
    QPainter painter(this);
    if (m_strLogoText.isEmpty()) {
        return;
    }
    const QRect row = ButtonRow();
    const QRect textRect(row.topLeft(), QPoint(GetDlgItem(IDOK)->geometry().right(), row.bottom()));
    if (m_fontLogoText) {
        painter.setFont(*m_fontLogoText);
    }
    painter.setClipRect(textRect);
    constexpr int kFlags = Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine;
    painter.setPen(palette().color(QPalette::Light));
    painter.drawText(textRect.translated(1, 1), kFlags, m_strLogoText);
    painter.setPen(palette().color(QPalette::Dark));
    painter.drawText(textRect, kFlags, m_strLogoText);
}
