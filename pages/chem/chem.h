// The M.W/Grams Moles page: the molecular weight of a formula of up to five elements,
// and a converter between grams and moles. Each row's result follows its fields as the
// person types and chooses, and is empty while they give none; its "=" still says what
// is wrong.
#pragma once

#include <optional>

#include "framework/property_page.h"

class chem : public CPropertyPage {
    DECLARE_DYNCREATE(chem)

public:
    chem();

    // Bound to the controls, in exchange order.
    double m_dGiven = 0.0;
    double m_dMolecularWeight = 0.0;
    CString m_strFormulaResult;
    int m_nMode = -1;
    int m_nElement1 = -1;
    int m_nElement2 = -1;
    int m_nElement3 = -1;
    int m_nElement4 = -1;
    int m_nElement5 = -1;
    CString m_strExplanation;
    std::optional<double> m_dResult = 0.0;  // none when the last conversion failed
    CString m_strResultLabel;
    int m_nCount1 = 1;
    int m_nCount2 = 1;
    int m_nCount3 = 1;
    int m_nCount4 = 1;
    int m_nCount5 = 1;
    CString m_strOperator;

    BOOL OnInitDialog() override;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    std::span<const MessageMapEntry> GetMessageMap() const override;

private:
    void OnMolecularWeight();
    void OnReset();
    void OnEditchangeMode();
    void OnConvert();

    // Each row's result box as the row's fields now stand, read alone; a field that is
    // not yet a number leaves the box empty without a message.
    void ShowFormula();
    void ShowConversion();
};
