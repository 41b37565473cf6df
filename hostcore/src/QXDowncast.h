// A checked downcast through the runtime classes (the framework has no DYNAMIC_DOWNCAST yet).
#pragma once
#include <afx.h>

template <class T>
T* QXDowncast(const CObject* pObject) {
  return pObject && pObject->IsKindOf(RUNTIME_CLASS(T))
             ? static_cast<T*>(const_cast<CObject*>(pObject))
             : nullptr;
}
