// Variable queries of the flowsheet: the variables whose paths match a pattern
// ("B1~" is every variable whose path begins with "B1"). The flags and boolean
// options are the explorer's to pass and are kept but not used here; a query
// that asks for a property ("PartialDerivative") matches only variables that
// have it, and this flowsheet's variables carry no such property.
#include <algorithm>
#include <vector>

#include "host/com/ComObject.h"
#include "host/model/IQVVariable.h"
#include "host/model/IQVVariableQueries.h"
#include "host/store/Status.h"
#include "workbench/language/TextCase.h"
#include "workbench/simulation/FlowsheetHost.h"
#include "workbench/simulation/FlowsheetObjects.h"

namespace {

class CVariableList : public CComObject<IQVVariableList> {
 public:
  CVariableList(CFlowsheetHost& host, std::vector<std::string> paths) : m_host(&host), m_paths(std::move(paths)) {}

  HRESULT GetCount(ULONG* count) override {
    if (!count) return E_POINTER;
    *count = static_cast<ULONG>(m_paths.size());
    return S_OK;
  }
  HRESULT Item(ULONG index, IQVVariable** variable) override {
    if (!variable) return E_POINTER;
    *variable = nullptr;
    CFlowsheetHost* host = m_host.Get();
    if (!host) return FE_STALE;
    if (index >= m_paths.size()) return E_INVALIDARG;
    CComPtr<IQVVariable> found = host->Variable(m_paths[index]);
    return found ? found.CopyTo(variable) : FE_STALE;
  }
  HRESULT GetState(int* state) override {
    if (!state) return E_POINTER;
    *state = m_state;
    return S_OK;
  }
  HRESULT SetState(int state) override {
    m_state = state;
    return S_OK;
  }

 private:
  CBackLink<CFlowsheetHost> m_host;
  std::vector<std::string> m_paths;
  int m_state = 0;
};

class CVariableQuery : public CComObject<IQVVariableQuery> {
 public:
  explicit CVariableQuery(CFlowsheetHost& host) : m_host(&host) {}

  HRESULT Clear() override {
    m_pattern.clear();
    m_property.clear();
    m_flags = 0;
    m_options.clear();
    m_results.Release();
    return S_OK;
  }
  HRESULT Reset() override {
    m_results.Release();
    return S_OK;
  }
  HRESULT SetPattern(const std::string& pattern) override {
    m_pattern = pattern;
    return S_OK;
  }
  HRESULT SetFlags(DWORD flags) override {
    m_flags = flags;
    return S_OK;
  }
  HRESULT SetOptions(const std::vector<bool>& options) override {
    if (m_options.size() < options.size()) m_options.resize(options.size());
    std::copy(options.begin(), options.end(), m_options.begin());
    return S_OK;
  }
  HRESULT SetPropertyName(const std::string& name) override {
    m_property = name;
    return S_OK;
  }

  HRESULT Run() override {
    CFlowsheetHost* host = m_host.Get();
    if (!host) return FE_STALE;
    std::vector<std::string> paths;
    if (m_property.empty()) {
      for (const InstanceVariable& variable : host->Current().Variables()) {
        if (Matches(variable.path)) paths.push_back(variable.path);
      }
    }
    m_results = CComPtr<IQVVariableList>(MakeComObject<CVariableList>(*host, std::move(paths)).Get());
    return S_OK;
  }

  HRESULT GetResults(IQVVariableList** results) override {
    if (!results) return E_POINTER;
    *results = nullptr;
    return m_results ? m_results.CopyTo(results) : E_FAIL;
  }

 private:
  // "~" stands for any rest of the path; without it the whole path must match. Case is not significant.
  bool Matches(const std::string& path) const {
    const std::size_t wild = m_pattern.find('~');
    const std::string fixed = m_pattern.substr(0, wild);
    if (path.size() < fixed.size() || !EqualsNoCase(std::string_view(path).substr(0, fixed.size()), fixed))
      return false;
    return wild != std::string::npos || path.size() == fixed.size();
  }

  CBackLink<CFlowsheetHost> m_host;
  std::string m_pattern;
  std::string m_property;
  DWORD m_flags = 0;
  std::vector<bool> m_options;
  CComPtr<IQVVariableList> m_results;
};

}  // namespace

CComPtr<IQVVariableQuery> MakeVariableQuery(CFlowsheetHost& host) {
  return CComPtr<IQVVariableQuery>(MakeComObject<CVariableQuery>(host).Get());
}
