// Run-time class records: a class's name, its base's record and a function that
// creates an object of it, so that a page can be created from its class name.
#pragma once

#include <string_view>

class CObject;

struct CRuntimeClass {
    const char* m_lpszClassName;
    const CRuntimeClass* m_pBaseClass;
    CObject* (*m_pfnCreateObject)();  // null for a class without dynamic creation

    // A new object of the class, or null when the class cannot be created by name.
    CObject* CreateObject() const;
    bool IsDerivedFrom(const CRuntimeClass* base) const;

    // The record registered under that class name, or null.
    static const CRuntimeClass* FromName(std::string_view className);
};

// Links a record into the list of classes creatable by name; one static instance per
// class, defined by IMPLEMENT_DYNCREATE. The list is threaded through these objects
// themselves, so registering allocates nothing and cannot fail.
struct AFX_CLASSINIT {
    explicit AFX_CLASSINIT(const CRuntimeClass* record) noexcept;

    const CRuntimeClass* m_pClass;
    const AFX_CLASSINIT* m_pNext;
};

class CObject {
public:
    CObject() = default;
    CObject(const CObject&) = delete;
    CObject& operator=(const CObject&) = delete;
    virtual ~CObject() = default;

    virtual const CRuntimeClass* GetRuntimeClass() const;
    bool IsKindOf(const CRuntimeClass* record) const;

    static const CRuntimeClass classCObject;
};

#define RUNTIME_CLASS(class_name) (&class_name::class##class_name)

#define DECLARE_DYNAMIC(class_name)               \
public:                                           \
    static const CRuntimeClass class##class_name; \
    const CRuntimeClass* GetRuntimeClass() const override;

#define DECLARE_DYNCREATE(class_name) \
    DECLARE_DYNAMIC(class_name)       \
    static CObject* CreateObject();

#define IMPLEMENT_RUNTIMECLASS(class_name, base_class_name, create) \
    const CRuntimeClass class_name::class##class_name {             \
#class_name, RUNTIME_CLASS(base_class_name), create         \
    };                                                              \
    const CRuntimeClass* class_name::GetRuntimeClass() const        \
    {                                                               \
        return RUNTIME_CLASS(class_name);                           \
    }

#define IMPLEMENT_DYNAMIC(class_name, base_class_name) \
    IMPLEMENT_RUNTIMECLASS(class_name, base_class_name, nullptr)

#define IMPLEMENT_DYNCREATE(class_name, base_class_name)                          \
    CObject* class_name::CreateObject()                                           \
    {                                                                             \
        return new class_name;                                                    \
    }                                                                             \
    IMPLEMENT_RUNTIMECLASS(class_name, base_class_name, class_name::CreateObject) \
    static const AFX_CLASSINIT _init_##class_name(RUNTIME_CLASS(class_name));
