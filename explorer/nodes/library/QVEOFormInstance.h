// A form of a model, structure or flowsheet (a table, plot, profile plot,
// custom form or the model help): opened in the host's form viewer, shown in
// another display mode, given a new name, deleted, or made the owner's
// default form. The system forms "AllVariables", "AllGlobals" and
// "LocalVariables" can be neither deleted nor given a new name.
#pragma once

#include <string>

#include "explorer/core/ExplorerContainerObject.h"
#include "host/model/IQVFormContainer.h"
#include "host/model/IQVFormDef.h"

// Form kind codes.
constexpr int EO_FORM_TABLE = 0;
constexpr int EO_FORM_PLOT = 1;
constexpr int EO_FORM_PROFILE = 2;
constexpr int EO_FORM_CUSTOM = 3;
constexpr int EO_FORM_HELP = 4;

class CQVEOFormInstance : public CExplorerObject {
 public:
  // form: the form definition; ownerNode: the container that lists it (may be
  // null); ownerInstance: the owner's instance (a type's instance for types).
  CQVEOFormInstance(IQVFormDef* form, CExplorerContainerObject* ownerNode, IFInstance* ownerInstance,
                    int viewerMode, CWnd* owner, int readOnly);

  static const GUID& ClassID();
  const GUID& GetClassID() override { return ClassID(); }
  int GetClassName(std::string& name) override;
  CExplorerObject* Clone() override;
  int operator==(CExplorerObject& other) override;
  // Aspect 0: the form's name ("Model Help" for the help form); aspect 1: its kind.
  int GetDisplayText(EOAspect aspect, std::string& text) override;
  int BuildContextMenu(CMenu& menu) override;
  int CanDoCommand(UINT id) override;
  void DoCommand(UINT id) override;
  void SetCommandState(CCmdUI* ui) override;
  int GetOverlay(int& state) override;
  int SelfDestruct(int confirm) override;
  int DontEditLabel() override;
  int EditLabel(std::string newName) override;

  // The kind code and type text of a form class.
  static int KindOf(REFCLSID formClass, bool* viewable = nullptr);
  static std::string KindText(REFCLSID formClass);
  static bool IsSystemForm(const std::string& name);

  int GetKind() const { return m_nKind; }
  bool IsViewable() const { return m_bViewable; }
  bool IsEditable() const { return m_bEditable; }
  const std::string& GetFormName() const { return m_strName; }
  // Opens the form in the viewer (the help form shows its help).
  void LaunchFormViewer();

 private:
  CExplorerContainerObject* OwnerNode() const;
  CComPtr<IQVFormContainer> FormContainer();
  bool OwnerIsHierarchyForm();
  void OpenInMode(const std::string& mode);

  CComPtr<IQVFormDef> m_pForm;
  CExplorerContainerObject* m_pOwnerNode;  // not owned; checked for life before use
  CComPtr<IFInstance> m_pOwnerInstance;
  int m_nViewerMode;
  int m_nKind = EO_FORM_CUSTOM;
  CLSID m_formClass;
  bool m_bViewable = false;
  bool m_bEditable = false;
  std::string m_strName;
};
