#include "app/ui/FileDialogRunner.h"

#include <memory>

#include <QFileDialog>

#include "platform/FileDialog.h"

namespace {

// "Text (*.txt)" for Qt: the description, with the pattern unless the description shows it.
QString NameFilterOf(const FileFilterEntry& entry) {
  QString description = QString::fromStdString(entry.description);
  QString pattern = QString::fromStdString(entry.pattern).replace(';', ' ');
  if (description.contains('(')) return description;
  return QStringLiteral("%1 (%2)").arg(description, pattern);
}

QStringList NameFilters(const CFileDialog& dialog) {
  QStringList filters;
  for (const FileFilterEntry& entry : dialog.Filters()) filters << NameFilterOf(entry);
  return filters;
}

}  // namespace

QFileDialog* MakeFileDialog(CFileDialog& dialog, QWidget* parent) {
  auto* qt = new QFileDialog(parent, QString::fromStdString(dialog.Caption()));
  qt->setOption(QFileDialog::DontUseNativeDialog);
  qt->setOption(QFileDialog::DontConfirmOverwrite);  // the platform dialog asks
  qt->setAcceptMode(dialog.IsOpenDialog() ? QFileDialog::AcceptOpen : QFileDialog::AcceptSave);
  qt->setFileMode(dialog.IsOpenDialog() && (dialog.m_ofn.Flags & OFN_FILEMUSTEXIST) ? QFileDialog::ExistingFile
                                                                                      : QFileDialog::AnyFile);
  QStringList filters = NameFilters(dialog);
  if (!filters.isEmpty()) {
    qt->setNameFilters(filters);
    int index = static_cast<int>(dialog.m_ofn.nFilterIndex) - 1;
    if (index >= 0 && index < filters.size()) qt->selectNameFilter(filters[index]);
  }
  if (!dialog.m_ofn.lpstrInitialDir.empty()) qt->setDirectory(QString::fromStdString(dialog.m_ofn.lpstrInitialDir));
  if (!dialog.TypedFileName().empty()) qt->selectFile(QString::fromStdString(dialog.TypedFileName()));
  QObject::connect(qt, &QFileDialog::filterSelected, qt, [qt, &dialog, filters](const QString& filter) {
    int index = static_cast<int>(filters.indexOf(filter)) + 1;
    if (index < 1 || static_cast<int>(dialog.m_ofn.nFilterIndex) == index) return;
    std::string before = dialog.TypedFileName();
    dialog.UserChooseFilter(index);
    // The dialog may rename the typed file for the new type.
    if (dialog.TypedFileName() != before) qt->selectFile(QString::fromStdString(dialog.TypedFileName()));
  });
  return qt;
}

void RunFileDialog(CFileDialog& dialog, QWidget* parent) {
  std::unique_ptr<QFileDialog> qt(MakeFileDialog(dialog, parent));
  QStringList filters = NameFilters(dialog);
  while (dialog.IsRunning() && !dialog.IsEnded()) {
    if (qt->exec() != QDialog::Accepted) {
      dialog.UserCancel();
      return;
    }
    int index = static_cast<int>(filters.indexOf(qt->selectedNameFilter())) + 1;
    if (index >= 1 && static_cast<int>(dialog.m_ofn.nFilterIndex) != index) dialog.UserChooseFilter(index);
    QStringList chosen = qt->selectedFiles();
    dialog.UserType(chosen.isEmpty() ? std::string() : chosen.front().toStdString());
    if (dialog.UserPressOK()) return;
    qt->selectFile(QString::fromStdString(dialog.TypedFileName()));
  }
}
