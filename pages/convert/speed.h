// The Speed tab: a factor-table converter page.
#pragma once

#include "framework/property_page.h"

class speed : public CPropertyPage {
    DECLARE_DYNCREATE(speed)

public:
    speed();

    // Bound to the controls, in exchange order.
    CString m_strValues;
    CString m_strNames;
    int m_nUnit = -1;
    int m_nDecimals = -1;
    int m_bScientific = 0;
    double m_dValue = 0;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    std::span<const MessageMapEntry> GetMessageMap() const override;

private:
    void OnEquals();
    void OnValueChange();
    void OnChoiceChange();
};
