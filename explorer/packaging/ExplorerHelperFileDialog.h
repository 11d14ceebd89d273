// The file dialog inside an Explorer file dialog. It opens on the first
// filter; on systems older than major version 6 it rewrites the typed name's
// extension itself when another filter is picked; and where the file system
// cuts extensions to three letters it gives a chosen name back its whole
// default extension, asking before it replaces an existing file.
#pragma once

#include <string>
#include <vector>

#include "platform/FileDialog.h"

inline constexpr const char* kCannotDetermineSystemMessage = "Bad situation: Can not determine operation system!";
inline constexpr const char* kReplaceExistingFileQuestion = "\nThis file already exists.\n\nReplace existing file?";
inline constexpr const char* kExportCaption = "Export";

class CExplorerHelperFileDialog : public CFileDialog {
 public:
  // extensions: one per filter entry, owned by the Explorer file dialog, which outlives this one.
  CExplorerHelperFileDialog(bool openFileDialog, const std::string& defaultExt, const std::string& fileName,
                            DWORD flags, const std::string& filter, CWnd* parent,
                            const std::vector<std::string>* extensions);

  INT_PTR DoModal() override;
  // The path the dialog settled on; empty until DoModal ends with OK.
  const std::string& GetResultPath() const { return m_resultPath; }
  // The extension of the filter last picked on an older system.
  const std::string& CurrentExtension() const { return m_currentExtension; }
  bool TypeChanged() const { return m_typeChanged != 0; }

 protected:
  bool OnInitDialog() override;
  void OnTypeChange() override;

 private:
  // The extension paired with the chosen filter; empty when the index is outside the list.
  std::string ChosenFilterExtension() const;
  bool IsKnownExtension(const std::string& extension) const;
  // Gives a path whose three-letter extension is the start of the default extension the whole one.
  bool RepairShortExtension(const std::string& initialExtension);

  std::string m_currentExtension;
  const std::vector<std::string>* m_pExtensions;
  std::string m_resultPath;
  int m_typeChanged = 0;
  std::string m_defaultExtension;
};
