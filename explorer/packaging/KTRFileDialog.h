// A plain file dialog after which the C runtime locale is "C" again (the
// library-file dialog of the Add Library entry).
#pragma once

#include "platform/FileDialog.h"

class CKTRFileDialog : public CFileDialog {
 public:
  using CFileDialog::CFileDialog;

  INT_PTR DoModal() override;
};
