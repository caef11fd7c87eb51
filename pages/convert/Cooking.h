// The Cooking tab: a factor-table converter page.
#pragma once

#include "framework/property_page.h"

class Cooking : public CPropertyPage {
    DECLARE_DYNCREATE(Cooking)

public:
    Cooking();

    // Bound to the controls, in exchange order.
    int m_nUnit = -1;
    double m_dValue = 0;
    CString m_strValues;
    int m_nDecimals = -1;
    int m_bScientific = 0;
    CString m_strNames;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    std::span<const MessageMapEntry> GetMessageMap() const override;

private:
    void OnEquals();
    void OnValueChange();
    void OnChoiceChange();
};
