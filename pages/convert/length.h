// The Length tab: a factor-table converter page.
#pragma once

#include "framework/property_page.h"

class length : public CPropertyPage {
    DECLARE_DYNCREATE(length)

public:
    length();

    // Bound to the controls, in exchange order.
    int m_bScientific = 0;
    int m_nDecimals = -1;
    CString m_strValues;
    double m_dValue = 0;
    int m_nUnit = -1;
    CString m_strNames;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    std::span<const MessageMapEntry> GetMessageMap() const override;

private:
    void OnEquals();
    void OnValueChange();
    void OnChoiceChange();
};
