// The host's views of one document: it turns SHOW_CORVANEVIEW requests for
// the form viewer and the variable finder into view requests that the
// desktop program draws or the command line prints, keeps the run history
// of every variable a form or an open view names, and tells open views when
// values change ("OnVariableChange", heard on the root model like any view).
// A view subscribes while it is open and unsubscribes when it closes; one
// closed while a change is being told is not called again.
#pragma once

#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "host/com/ComPtr.h"
#include "host/framework/CorvaneViewContext.h"
#include "workbench/views/HostView.h"
#include "workbench/views/RunHistory.h"
#include "workbench/views/VariableFinder.h"
#include "workbench/views/ViewRows.h"

class CWorkbenchDocument;
class CHostViewsListener;
struct IQVEventSource;

class CHostViews {
 public:
  explicit CHostViews(CWorkbenchDocument& document);
  ~CHostViews();
  CHostViews(const CHostViews&) = delete;
  CHostViews& operator=(const CHostViews&) = delete;

  // The view a request asks for: a table, plot or profile form
  // (CLSID_QVFormView with the form as data source), or the finder (the
  // text editor's class with no type: the text is the starting block).
  // Nothing for any other request, which the caller handles as before.
  std::optional<HostViewRequest> RequestFor(const tag_CorvaneViewContext& context);
  // Opens the view a request asks for through present; false when it is not one of these views.
  bool Show(const tag_CorvaneViewContext& context);
  // Opens a form's view as its "Show as" commands do (mode "Plot", "History"
  // or empty); owner names the model, empty for the simulation's own forms.
  // False with problem set when there is no such form or it is no view's.
  bool ShowForm(const std::string& owner, const std::string& form, const std::string& mode, std::string& problem);
  // Draws or prints a view; unset, the view is told as one line ("view: LevelTrend - Plot").
  std::function<void(const HostViewRequest&)> present;

  // The time of the values just published when they come from a dynamic
  // run; nothing otherwise (a steady run's values are not history). By
  // default the document's run's time while the run mode is dynamic.
  std::function<std::optional<double>()> runTime;

  // ---- what the views read ----
  std::vector<TableRowValues> TableRows(const CFormContents& form);
  HistoryTable History(const CFormContents& form);
  std::vector<FoundVariable> Find(const std::string& start, const std::string& pattern);
  // Sets a fixed or initial value typed in the unit shown; a message in
  // problem when it cannot be (a missing or free variable, a locked
  // flowsheet, not a number). A change marks the document modified.
  bool SetValue(const std::string& path, const std::string& text, std::string& problem);
  CRunHistory& RunHistory() { return m_history; }
  // The flowsheet as it stands.
  const CFlowsheet& Flowsheet();
  // The host's instance of the unit at path ("" for the top flowsheet); null when none.
  CComPtr<IUnknown> UnitInstance(const std::string& path);

  // ---- open views ----
  // refresh is called after every value change until Unsubscribe; paths are
  // added to the history (a history or plot view's; a table needs none).
  int Subscribe(const std::vector<std::string>& paths, std::function<void()> refresh);
  void Unsubscribe(int id);
  int SubscriberCount() const { return static_cast<int>(m_subscribers.size()); }

  // Told by the listener on "OnVariableChange": records history, refreshes views.
  void ValuesChanged();

 private:
  void Listen();
  void WatchForms();

  CWorkbenchDocument& m_document;
  CRunHistory m_history;
  CComPtr<CHostViewsListener> m_listener;
  CComPtr<IQVEventSource> m_source;
  DWORD m_cookie = 0;
  std::map<int, std::function<void()>> m_subscribers;
  int m_nextSubscriber = 1;
};
