#include "app/ui/MessageBoxes.h"

#include <memory>
#include <vector>

#include <QAbstractButton>
#include <QMessageBox>

namespace {

struct ButtonChoice {
  int id;
  QMessageBox::StandardButton button;
};

const ButtonChoice kButtons[] = {
    {IDOK, QMessageBox::Ok},         {IDCANCEL, QMessageBox::Cancel}, {IDABORT, QMessageBox::Abort},
    {IDRETRY, QMessageBox::Retry},   {IDIGNORE, QMessageBox::Ignore}, {IDYES, QMessageBox::Yes},
    {IDNO, QMessageBox::No},
};

std::vector<int> ButtonIds(UINT type) {
  switch (type & MB_TYPEMASK) {
    case MB_OKCANCEL: return {IDOK, IDCANCEL};
    case MB_ABORTRETRYIGNORE: return {IDABORT, IDRETRY, IDIGNORE};
    case MB_YESNOCANCEL: return {IDYES, IDNO, IDCANCEL};
    case MB_YESNO: return {IDYES, IDNO};
    case MB_RETRYCANCEL: return {IDRETRY, IDCANCEL};
    default: return {IDOK};
  }
}

QMessageBox::StandardButton ButtonOf(int id) {
  for (const ButtonChoice& choice : kButtons) {
    if (choice.id == id) return choice.button;
  }
  return QMessageBox::Ok;
}

int IdOf(QMessageBox::StandardButton button) {
  for (const ButtonChoice& choice : kButtons) {
    if (choice.button == button) return choice.id;
  }
  return IDCANCEL;
}

QMessageBox::Icon IconOf(UINT type) {
  switch (type & MB_ICONMASK) {
    case MB_ICONHAND: return QMessageBox::Critical;
    case MB_ICONQUESTION: return QMessageBox::Question;
    case MB_ICONEXCLAMATION: return QMessageBox::Warning;
    case MB_ICONASTERISK: return QMessageBox::Information;
    default: return QMessageBox::NoIcon;
  }
}

// What closing the box without a button gives.
int DismissAnswer(const std::vector<int>& ids) {
  for (int wanted : {IDCANCEL, IDNO, IDOK}) {
    for (int id : ids) {
      if (id == wanted) return id;
    }
  }
  return ids.front();
}

}  // namespace

QMessageBox* MakeMessageBox(const MessageBoxRequest& request, QWidget* parent) {
  auto* box = new QMessageBox(parent);
  std::string caption = request.caption.empty() ? ApplicationCaption() : request.caption;
  box->setWindowTitle(QString::fromStdString(caption));
  box->setText(QString::fromStdString(request.text));
  box->setTextFormat(Qt::PlainText);
  box->setIcon(IconOf(request.type));
  std::vector<int> ids = ButtonIds(request.type);
  for (int id : ids) box->addButton(ButtonOf(id));
  std::size_t defaultIndex = (request.type & MB_DEFBUTTON2) && ids.size() > 1 ? 1 : 0;
  box->setDefaultButton(ButtonOf(ids[defaultIndex]));
  box->setEscapeButton(box->button(ButtonOf(DismissAnswer(ids))));
  box->setProperty("vortanDismissAnswer", DismissAnswer(ids));
  return box;
}

int MessageBoxAnswer(const QMessageBox& box) {
  QAbstractButton* clicked = box.clickedButton();
  if (!clicked) return box.property("vortanDismissAnswer").toInt();
  return IdOf(box.standardButton(clicked));
}

int RunMessageBox(const MessageBoxRequest& request, QWidget* parent) {
  std::unique_ptr<QMessageBox> box(MakeMessageBox(request, parent));
  box->exec();
  return MessageBoxAnswer(*box);
}
