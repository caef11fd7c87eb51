// The Temperature tab: converts by formula into the two other scales and shows the
// formulas it applied.
#pragma once

#include "framework/property_page.h"

class temperature : public CPropertyPage {
    DECLARE_DYNCREATE(temperature)

public:
    temperature();

    // Bound to the controls, in exchange order.
    double m_dValue = 0;
    int m_nUnit = -1;
    CString m_strNames;
    CString m_strValues;
    CString m_strFormula;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    std::span<const MessageMapEntry> GetMessageMap() const override;

private:
    void OnEquals();
    void OnValueChange();
    void OnChoiceChange();
};
