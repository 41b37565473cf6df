// CException family. Exceptions are thrown as pointers and released with Delete().
#pragma once

class AFX_FWAPI CException : public CObject {
  DECLARE_DYNAMIC(CException)
 public:
  explicit CException(BOOL bAutoDelete = TRUE);
  ~CException() override;

  // Frees a heap exception; static ones (m_bAutoDelete FALSE) stay.
  void Delete();
  // Copies the message into the buffer (always terminated); FALSE when there is none.
  virtual BOOL GetErrorMessage(LPTSTR lpszError, UINT nMaxError, UINT* pnHelpContext = NULL) const;
#if defined(_WIN32)
  virtual int ReportError(UINT nType = MB_OK, UINT nMessageID = 0);
#endif

  BOOL m_bAutoDelete;
};

// An exception with a fixed message; the framework keeps static instances of them.
class AFX_FWAPI CSimpleException : public CException {
  DECLARE_DYNAMIC(CSimpleException)
 public:
  explicit CSimpleException(BOOL bAutoDelete = TRUE, LPCTSTR lpszMessage = NULL);
  BOOL GetErrorMessage(LPTSTR lpszError, UINT nMaxError, UINT* pnHelpContext = NULL) const override;

 protected:
  LPCTSTR m_lpszMessage;
};

#define AFX_SIMPLE_EXCEPTION(name)                                     \
  class AFX_FWAPI name : public CSimpleException {                     \
    DECLARE_DYNAMIC(name)                                              \
   public:                                                             \
    explicit name(BOOL bAutoDelete = TRUE, LPCTSTR lpszMessage = NULL) \
        : CSimpleException(bAutoDelete, lpszMessage) {}                \
  };
AFX_SIMPLE_EXCEPTION(CMemoryException)
AFX_SIMPLE_EXCEPTION(CNotSupportedException)
AFX_SIMPLE_EXCEPTION(CInvalidArgException)
AFX_SIMPLE_EXCEPTION(CResourceException)
AFX_SIMPLE_EXCEPTION(CUserException)
#undef AFX_SIMPLE_EXCEPTION

// The framework's TRY/CATCH spelling on top of C++ exceptions.
#define TRY try
#define CATCH(class_name, e) catch (class_name * e)
#define AND_CATCH(class_name, e) catch (class_name * e)
#define CATCH_ALL(e) catch (CException * e)
#define AND_CATCH_ALL(e) catch (CException * e)
#define END_CATCH
#define END_CATCH_ALL
#define THROW(e) throw e
#define THROW_LAST() throw
