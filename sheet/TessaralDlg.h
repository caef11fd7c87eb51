// The product's window: a property sheet that shows "Exit" as its only button, can be
// minimised and resized, and paints the product's name as embossed text in the row of
// its buttons.
#pragma once

#include <QFont>
#include <optional>

#include "framework/property_sheet.h"

class CTessaralDlg : public CPropertySheet {
    DECLARE_DYNAMIC(CTessaralDlg)

public:
    explicit CTessaralDlg(const CString& pszCaption, QWidget* pParentWnd = nullptr,
                          UINT iSelectPage = 0);

    // The logo text shows at the next paint.
    void StoreLogoText(CString text);
    // Replaces the logo font.
    void CreateLogoFont(const CString& faceName, int height, int weight, bool italic,
                        bool underline);

    const CString& LogoText() const { return m_strLogoText; }
    const std::optional<QFont>& LogoFont() const { return m_fontLogoText; }

protected:
    BOOL OnInitDialog() override;
    void paintEvent(QPaintEvent* event) override;

private:
    void OnPaint();

    std::optional<QFont> m_fontLogoText;
    CString m_strLogoText;
};
