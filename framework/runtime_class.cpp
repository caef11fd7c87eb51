#include "framework/runtime_class.h"

namespace {

// The most recently registered class; filled during static initialisation by the
// AFX_CLASSINIT objects and read-only after.
constinit const AFX_CLASSINIT* g_firstClass = nullptr;

}  // namespace

const CRuntimeClass CObject::classCObject{"CObject", nullptr, nullptr};

const CRuntimeClass* CObject::GetRuntimeClass() const
{
    return &classCObject;
}

bool CObject::IsKindOf(const CRuntimeClass* record) const
{
    return GetRuntimeClass()->IsDerivedFrom(record);
}

CObject* CRuntimeClass::CreateObject() const
{
    return m_pfnCreateObject != nullptr ? m_pfnCreateObject() : nullptr;
}

bool CRuntimeClass::IsDerivedFrom(const CRuntimeClass* base) const
{
    for (const CRuntimeClass* c = this; c != nullptr; c = c->m_pBaseClass) {
        if (c == base) {
            return true;
        }
    }
    return false;
}

const CRuntimeClass* CRuntimeClass::FromName(std::string_view className)
{
    for (const AFX_CLASSINIT* link = g_firstClass; link != nullptr; link = link->m_pNext) {
        if (className == link->m_pClass->m_lpszClassName) {
            return link->m_pClass;
        }
    }
    return nullptr;
}

AFX_CLASSINIT::AFX_CLASSINIT(const CRuntimeClass* record) noexcept
    : m_pClass(record), m_pNext(g_firstClass)
{
    g_firstClass = this;
}
