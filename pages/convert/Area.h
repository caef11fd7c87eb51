// The Area tab: a factor-table converter page.
#pragma once

#include "framework/property_page.h"

class Area : public CPropertyPage {
    DECLARE_DYNCREATE(Area)

public:
    Area();

    // Bound to the controls, in exchange order.
    CString m_strNames;
    CString m_strValues;
    int m_bScientific = 0;
    int m_nDecimals = -1;
    double m_dValue = 0;
    int m_nUnit = -1;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    std::span<const MessageMapEntry> GetMessageMap() const override;

private:
    void OnEquals();
    void OnValueChange();
    void OnChoiceChange();
};
