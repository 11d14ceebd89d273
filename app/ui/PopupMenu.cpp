#include "app/ui/PopupMenu.h"

#include <QAction>
#include <QMenu>

#include "app/ui/CommandPrompt.h"
#include "platform/Menu.h"

void FillMenu(QMenu& target, const CMenu& menu) {
  for (const MenuItem& item : menu.Items()) {
    if (item.IsSeparator()) {
      target.addSeparator();
      continue;
    }
    if (item.IsPopup()) {
      QMenu* sub = target.addMenu(QString::fromStdString(item.text));
      sub->setEnabled(item.IsEnabled());
      if (item.popup) FillMenu(*sub, *item.popup);
      continue;
    }
    QAction* action = target.addAction(QString::fromStdString(item.text));
    action->setData(item.id);
    action->setEnabled(item.IsEnabled());
    action->setCheckable(item.IsChecked());
    action->setChecked(item.IsChecked());
    action->setStatusTip(CommandPrompt(item.id));
    if (item.flags & MF_DEFAULT) {
      QFont font = action->font();
      font.setBold(true);
      action->setFont(font);
    }
  }
}

UINT CommandOf(const QAction* action) { return action ? action->data().toUInt() : 0; }

UINT RunPopupMenu(const CMenu& menu, QPoint globalPosition, QWidget* parent) {
  QMenu popup(parent);
  FillMenu(popup, menu);
  UINT chosen = 0;
  // Chosen by a click, a key or a program: each triggers the action.
  QObject::connect(&popup, &QMenu::triggered, &popup, [&chosen, &popup](QAction* action) {
    chosen = CommandOf(action);
    popup.close();
  });
  popup.exec(globalPosition);
  return chosen;
}
