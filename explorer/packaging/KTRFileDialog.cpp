#include "explorer/packaging/KTRFileDialog.h"

#include <clocale>

INT_PTR CKTRFileDialog::DoModal() {
  INT_PTR result = CFileDialog::DoModal();
  std::setlocale(LC_ALL, "C");
  return result;
}
