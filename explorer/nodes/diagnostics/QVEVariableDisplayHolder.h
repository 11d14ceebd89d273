// Fills a contents pane with the variable rows of an equation, a group or an
// equivalence (value, units, spec, calculated-in, description, bounds, bound
// state) and keeps their values current: it listens to the host's
// "OnVariableChange" event while the rows are shown and stops when the
// selection leaves, before each refill and when its node goes.
#pragma once

#include <string>
#include <vector>

#include "host/com/ComObject.h"
#include "host/com/Dispatch.h"
#include "explorer/nodes/diagnostics/DiagnosticsNodeSupport.h"

class CExplorerObject;
class CListCtrl;
struct IQVEventSource;
struct IQVVariable;
struct IQVVariableLookup;
struct IZNDecompEquation;
struct IZNDecompEquivalence;
struct IZNDecompGroup;
struct IZNDecompVariable;
struct LISTSORTINFO;

// The dispatch id of "OnVariableChange".
constexpr DISPID DISPID_ON_VARIABLE_CHANGE = 20481;

class CQVEVariableDisplayHolder : public CComObject<IDispatch> {
 public:
  CQVEVariableDisplayHolder();
  ~CQVEVariableDisplayHolder() override;

  // The nine variable columns.
  void SetColumns(CExplorerObject& owner, CListCtrl& list);
  void ShowEquationVariables(CExplorerObject& owner, CListCtrl& list, IZNDecompEquation* equation);
  void ShowGroupVariables(CExplorerObject& owner, CListCtrl& list, IZNDecompGroup* group);
  void ShowEquivalenceVariables(CExplorerObject& owner, CListCtrl& list, IZNDecompEquivalence* equivalence);

  // Starts and stops listening to the host's value changes.
  void Advise();
  void Unadvise();
  bool IsListening() const { return m_pSource != nullptr; }
  // Reads every shown value again (column 1; column 8 when its first character changes).
  void RefreshValues();

  // Columns 0, 4 and 8 sort as text; the others do not sort.
  static int GetSortType(LISTSORTINFO& info);

  // IDispatch: only "OnVariableChange" is known.
  HRESULT GetTypeInfoCount(UINT* count) override;
  HRESULT GetTypeInfo(UINT index, IUnknown** info) override;
  HRESULT GetIDsOfNames(const std::string& name, DISPID* id) override;
  HRESULT Invoke(DISPID id, const std::vector<VARIANT>& arguments, VARIANT* result) override;

 private:
  // Begins a fill: stops listening, takes the list and the host's variable lookup, sets the columns.
  void BeginShow(CExplorerObject& owner, CListCtrl& list, IUnknown* shown);
  // One variable's row at row; false when it made none.
  bool AddVariableRow(CListCtrl& list, IZNDecompVariable* variable, int row, bool flagged);
  CComPtr<IQVVariable> FindHostVariable(const std::string& path) const;
  // The list being filled while it is still the window it was.
  CListCtrl* LiveList() const;

  CComPtr<IQVVariableLookup> m_pLookup;
  CComPtr<IQVEventSource> m_pSource;
  DWORD m_cookie = 0;
  CListCtrl* m_pList = nullptr;
  HWND m_hList = nullptr;
  CExplorerObject* m_pOwner = nullptr;
  CComPtr<IUnknown> m_pShown;
  bool m_refreshing = false;
};

// Splits a decomposition name: the host variable's path, and whether the name is that variable's derivative.
std::string HostVariablePath(const std::string& name, bool& derivative);
// The text between the last "[" and a closing "]" of name; false when name does not end with "]".
bool BracketedValue(const std::string& name, std::string& value);
