// CNewChartFX: the window that hosts the chart control and gives its object model typed
// operations, template files, printing and export.
#pragma once
#include <afxwin.h>

#include "core/TKWExport.h"

struct _Chart;
struct tagVARIANT;
class CFile;
class CCreateContext;
class CNewChartFXReflectorWnd;

namespace Cfx62 {
using ::_Chart;
}

// A counted reference to the chart's interface; empty when there is none.
class TKWUI_API CChartPtr {
 public:
  CChartPtr() = default;
  explicit CChartPtr(_Chart* p) : m_p(p) {}  // takes over a reference the caller holds
  CChartPtr(const CChartPtr& other);
  CChartPtr& operator=(const CChartPtr& other);
  ~CChartPtr();
  _Chart* operator->() const { return m_p; }
  _Chart* Get() const { return m_p; }
  explicit operator bool() const { return m_p != nullptr; }

 private:
  _Chart* m_p = nullptr;
};

// Flags the chart's paint takes.
enum PaintFlags : long { PAINT_SCREEN = 0, PAINT_PRINT = 2 };

class TKWUI_API CNewChartFX : public CWnd {
  DECLARE_DYNCREATE(CNewChartFX)

 public:
  CNewChartFX();
  ~CNewChartFX() override;

  BOOL Create(LPCTSTR pszClass, LPCTSTR pszWindowName, DWORD dwStyle, const RECT& rect,
              CWnd* pParent, UINT nID, CCreateContext* pContext = nullptr) override;
  BOOL Create(LPCTSTR pszWindowName, DWORD dwStyle, const RECT& rect, CWnd* pParent, UINT nID,
              CFile* pPersist, BOOL bStorage, BSTR bstrLicKey);
  static CLSID GetClsid();

  // The chart's interface; a window without a control says so in a message box and gives null.
  CChartPtr GetChartPtr();

  // Data loading
  void OpenDataEx(int nType, long n1, long n2);
  void CloseData(int nType);
  void ClearData();
  void ClearConstantLinesAttr();
  void SetValue(long nSeries, long nPoint, double dValue);
  void SetMaxValues(long n);
  void SetLoopPosColor(long clr);

  // Series, titles, legend
  void SetSerLeg(int i, LPCTSTR psz);
  void EmptySerLeg();
  void SetColor(int i, COLORREF clr);
  void SetTitle(int i, CString str);
  void SetLegend(long i, CString str);

  // Axes
  void SetAxisYMax(double d);
  void SetAxisYMin(double d);
  void SetAxisYGap(double d);
  void SetVertGridGap(int n);
  void SetAxisYScaleUnit(double d);
  void SetDecimalsNum(long n);
  void SetPixPerUnit(long n);
  void ShowAxisYGridLines(int b);
  void SetGridColor(long clrY, long clrX);
  long GetLegStyle();
  void SetLegStyle(long n);
  long GetYLegStyle();
  void SetYLegStyle(long n);
  long GetAxisCount();
  void HideAxis(int i);
  void DisplayAxis(int i);
  void SetAxisLogBase(int i, double dBase);
  double GetAxisLogBase(int i);

  // Gallery and style words; the word setters only ever add bits
  int GetGallery();
  void SetGallery(int n);
  long GetType();
  void SetType(long n);
  long GetTypeEx();
  void SetTypeEx(long n);
  int GetGrid();
  void SetGrid(int n);
  long GetExportTemplate();
  void SetExportTemplate(long n);
  int GetPointType();
  void SetPointType(int n);
  void SetMarkerSize(short n);
  void SetChart3D(int b);
  void SetItemWidth(long n);
  void SetRGBBk(COLORREF clr);
  void SetRGB2DBk(COLORREF clr);
  void SetChartGap(long nLeft, long nTop, long nRight, long nBottom);
  void SetSeparateSlice(long nSeries, long nPoint, short nDistance);

  // Tools
  int GetToolBar();
  void SetToolBar(int b);
  void ShowToolBar();
  int GetSerLegBox();
  void SetSerLegBox(int b);
  void ShowSerLegBox();
  int GetDataEditor();
  double GetHidden();

  long Paint(long hDC, long x, long y, long cx, long cy, PaintFlags flags);
  long Export(int nFormat, const tagVARIANT& v);
  long Import(int nFormat, const tagVARIANT& v);

  virtual void SysColorChange();
  virtual void ChartLegend();
  virtual void ChartToolbar();
  virtual void ChartPrint();
  virtual void ChartShowData();
  virtual void ChartCopyGraph();
  virtual void ChartCopyData();
  virtual void ChartLoadConfiguration();
  virtual void ChartSaveConfiguration();
  virtual BOOL LoadDefaultConfigurationFile(CString strKey);
  virtual void SetDefaultConfiguration(CString strKey);
  virtual void ClearDefaultConfiguration(CString strKey);
  virtual void CreateTempConfiguration(CString strPath);
  virtual void LoadTempConfiguration(CString strPath);

  BOOL DestroyWindow() override;
  BOOL PreTranslateMessage(MSG* pMsg) override;

  CString m_strConfigFile;  // template last chosen in a file dialog

 protected:
  CNewChartFXReflectorWnd* GetReflectorWnd();
  // The interface, or E_POINTER raised when there is none.
  CChartPtr Chart();

  afx_msg void OnSysColorChange();
  afx_msg void OnChartLegend() { ChartLegend(); }
  afx_msg void OnChartToolbar() { ChartToolbar(); }
  afx_msg void OnChartPrint() { ChartPrint(); }
  afx_msg void OnChartShowData() { ChartShowData(); }
  afx_msg void OnChartCopyGraph() { ChartCopyGraph(); }
  afx_msg void OnChartCopyData() { ChartCopyData(); }
  afx_msg void OnChartSaveConfiguration() { ChartSaveConfiguration(); }
  afx_msg void OnChartLoadConfiguration() { ChartLoadConfiguration(); }
  DECLARE_MESSAGE_MAP()

  CNewChartFXReflectorWnd* m_pReflectorWnd = nullptr;
  _Chart* m_spChart = nullptr;  // set by subclasses that keep the interface; released here
};
