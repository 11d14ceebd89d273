// The properties of a type: the General page with its name and description
// and, for a stream type, the Stream Properties page. A model's own
// description is shown for block types that are not hierarchies. On a
// read-only type only the closing button is offered.
#pragma once

#include <memory>
#include <string>

#include "host/com/Unknown.h"
#include "host/framework/CQVHelpPropertySheet.h"

class CExplorerObject;
class CQVPropPageNamedObjectGeneral;

// The longest model description shown.
inline constexpr std::size_t kModelDescriptionLimit = 256;

class CQVNamedObjectPropertySheet : public CQVHelpPropertySheet {
 public:
  CQVNamedObjectPropertySheet(const std::string& caption, CExplorerObject* node, const std::string& description,
                              int readOnly, CWnd* parent = nullptr);
  CQVNamedObjectPropertySheet(UINT captionId, CExplorerObject* node, const std::string& description, int readOnly,
                              CWnd* parent = nullptr);
  ~CQVNamedObjectPropertySheet() override;

  // Adds the Stream Properties page for streamType (the type or its instance).
  void AddStreamTypePage(IUnknown* streamType);

  const std::string& Name() const { return m_strName; }
  const std::string& Description() const { return m_strDescription; }

  INT_PTR DoModal() override;
  // Help hidden; on a read-only type Apply and Cancel as well.
  bool OnInitDialog() override;

 private:
  void Gather(CExplorerObject* node, const std::string& description);

  std::string m_strName;
  std::string m_strDescription;
  int m_bReadOnly;
  std::unique_ptr<CQVPropPageNamedObjectGeneral> m_generalPage;
  std::unique_ptr<CPropertyPage> m_pExtraPage;
};
