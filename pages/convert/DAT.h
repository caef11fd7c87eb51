// The Energy tab: a factor-table converter page whose value box takes whole numbers.
#pragma once

#include "framework/property_page.h"

class DAT : public CPropertyPage {
    DECLARE_DYNCREATE(DAT)

public:
    DAT();

    // Bound to the controls, in exchange order.
    int m_nValue = 0;
    int m_bScientific = 0;
    int m_nDecimals = -1;
    int m_nUnit = -1;
    CString m_strNames;
    CString m_strValues;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    std::span<const MessageMapEntry> GetMessageMap() const override;

private:
    void OnEquals();
    void OnValueChange();
    void OnChoiceChange();
};
