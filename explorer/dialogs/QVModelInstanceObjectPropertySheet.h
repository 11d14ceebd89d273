// The properties of a flowsheet, hierarchy, block or stream: the General page
// (name, model type, library, status and the four statistics, "-" where they
// cannot be had) and the User Notes page on the instance's "UserNotes".
#pragma once

#include <memory>
#include <string>

#include "explorer/dialogs/QVNotesPropertySheet.h"
#include "explorer/dialogs/QVPropPageModelInstanceObjectGeneral.h"
#include "host/com/ComPtr.h"
#include "host/model/IQVNotes.h"
#include "host/model/IRModel.h"

class CQVPropPageUserNotes;

inline constexpr const char* kCustomModelingLibrary = "Custom Modeling";
inline constexpr const char* kNoStatistic = "-";
inline constexpr const char* kModelStatusOK = "OK";
inline constexpr const char* kModelStatusNotOK = "Not OK";

class CQVModelInstanceObjectPropertySheet : public CQVNotesPropertySheet {
 public:
  // className: the node's class name ("Block"); statisticsAvailable: the
  // node's status is not "not OK", so the document can count the model.
  CQVModelInstanceObjectPropertySheet(const std::string& caption, IRModel* model, const std::string& className,
                                      const std::string& name, const std::string& type, int statisticsAvailable,
                                      CWnd* parent = nullptr);
  CQVModelInstanceObjectPropertySheet(UINT captionId, IRModel* model, const std::string& className,
                                      const std::string& name, const std::string& type, int statisticsAvailable,
                                      CWnd* parent = nullptr);
  ~CQVModelInstanceObjectPropertySheet() override;

  const ModelInstanceGeneralTexts& Texts() const { return m_texts; }

  // Runs the sheet, again on the notes page while notes are refused.
  INT_PTR DoModal() override;

 private:
  void Gather(IRModel* model, const std::string& className, const std::string& name, const std::string& type);

  ModelInstanceGeneralTexts m_texts;
  int m_bStatisticsAvailable;
  CComPtr<IQVNotes> m_pNotes;
  std::unique_ptr<CQVPropPageModelInstanceObjectGeneral> m_generalPage;
  std::unique_ptr<CQVPropPageUserNotes> m_notesPage;
};
