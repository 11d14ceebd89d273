// The properties of a file (the simulation's, a library's): its General page
// and, when statistics were given, its Degrees of Freedom page. It closes
// with OK only.
#pragma once

#include <memory>
#include <string>

#include "platform/PropertySheet.h"

class CQVPropPageDOF;
class CQVPropPageFileObjectGeneral;

class CQVFileObjectPropertySheet : public CPropertySheet {
 public:
  CQVFileObjectPropertySheet(const std::string& caption, const std::string& fileName, CWnd* parent = nullptr);
  ~CQVFileObjectPropertySheet() override;

  // Adds the Degrees of Freedom page with these counts.
  void SetStatistics(int equations, int variables, int degreesOfFreedom);
  bool HasStatistics() const { return m_bStatistics != 0; }

  INT_PTR DoModal() override;
  // OK takes the place of Help; Apply, Help and Cancel are hidden.
  bool OnInitDialog() override;

 private:
  std::string m_strFileName;
  std::string m_strEquations;
  std::string m_strVariables;
  std::string m_strDegreesOfFreedom;
  int m_bStatistics = 0;
  std::unique_ptr<CQVPropPageFileObjectGeneral> m_generalPage;
  std::unique_ptr<CQVPropPageDOF> m_dofPage;
};
