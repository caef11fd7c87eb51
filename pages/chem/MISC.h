// The Molecular Formula page: the percent composition, simplest formula and molecular
// formula of a compound of two or three elements, from the grams of each in a sample.
#pragma once

#include "framework/property_page.h"

class MISC : public CPropertyPage {
    DECLARE_DYNCREATE(MISC)

public:
    MISC();

    // Bound to the controls, in exchange order. An element list's index 0 is its
    // empty item.
    int m_nElement1 = 0;
    int m_nElement2 = 0;
    int m_nElement3 = 0;
    CString m_strMolecularFormula;
    double m_dUnknownWeight = 0.0;
    double m_dWeight1 = 0.0;
    double m_dWeight2 = 0.0;
    double m_dWeight3 = 0.0;
    CString m_strComposition;
    CString m_strSimplestFormula;
    double m_dCompoundWeight = 0.0;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    std::span<const MessageMapEntry> GetMessageMap() const override;

private:
    void OnCompute();
    void OnReset();
};
