// Settings of a run: latency between transactions, iteration steps and benchmark properties.
#pragma once
#include "QXPtrArray.h"
#include "XMLArchive.h"

// The pause between transactions.
class QX_API CLatency : public CXMLCmdTarget {
  DECLARE_DYNCREATE(CLatency)

 public:
  enum { none = 0, fixed = 1, random = 2 };

  CLatency();  // the host default: a fixed pause of 1000 ms

  int GetMode() const { return m_nMode; }
  int GetMinimum() const { return m_nMinimum; }  // ms; the pause itself when fixed
  int GetMaximum() const { return m_nMaximum; }  // ms; used when random
  // Stores the values; FALSE (and nothing changed) for an unknown mode, a negative time or,
  // when random, a maximum below the minimum.
  BOOL Set(int nMode, int nMinimum, int nMaximum);

  void XMLSerialize(CXMLArchive& ar) override;
  CXMLCmdTarget& operator=(const CXMLCmdTarget& src) override;

 private:
  int m_nMode;
  int m_nMinimum;
  int m_nMaximum;
};

// One step of a run: this many users for this many iterations.
class QX_API CIteration : public CXMLCmdTarget {
  DECLARE_DYNCREATE(CIteration)

 public:
  CIteration();
  CIteration(int nUsers, int nIterations);

  int m_nUsers;
  int m_nIterations;

  void XMLSerialize(CXMLArchive& ar) override;
};

// Arrays of run settings: DeleteAll frees the elements; RemoveAll and the destructor forget them.
class CIterArray : public CQXPtrArray<CIteration> {};

// One named benchmark property.
class QX_API CBenchmarkProperties : public CXMLCmdTarget {
  DECLARE_DYNCREATE(CBenchmarkProperties)

 public:
  CBenchmarkProperties();
  CBenchmarkProperties(LPCTSTR lpszName, LPCTSTR lpszValue);

  CString m_strName;
  CString m_strValue;

  void XMLSerialize(CXMLArchive& ar) override;
};

class CBenchmarkPropertiesArray : public CQXPtrArray<CBenchmarkProperties> {};
