#include "framework/runtime_class.h"

#include <cstring>
#include <vector>

namespace {

// Filled during static initialisation by the AFX_CLASSINIT objects; read-only after.
std::vector<const CRuntimeClass*>& Registered()
{
    static std::vector<const CRuntimeClass*> classes;
    return classes;
}

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
    for (const CRuntimeClass* c : Registered()) {
        if (className == c->m_lpszClassName) {
            return c;
        }
    }
    return nullptr;
}

AFX_CLASSINIT::AFX_CLASSINIT(const CRuntimeClass* record)
{
    Registered().push_back(record);
}
