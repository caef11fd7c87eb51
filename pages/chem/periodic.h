// The Periodic Table page: pick an element symbol and read the element's name, group,
// block, atomic mass and number, electronegativity, oxidation numbers and electron
// distribution.
#pragma once

#include "framework/property_page.h"

class periodic : public CPropertyPage {
    DECLARE_DYNCREATE(periodic)

public:
    periodic();

    // Bound to the controls, in exchange order.
    double m_dAtomicMass = 0.0;
    CString m_strDistribution;
    CString m_strGroup;
    int m_nElement = -1;
    CString m_strName;
    CString m_strBlock;
    int m_nAtomicNumber = 0;
    CString m_strOxidation;
    CString m_strElectronegativity;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    std::span<const MessageMapEntry> GetMessageMap() const override;

private:
    void OnEditchangeElement();
};
