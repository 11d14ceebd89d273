// Message boxes as the platform asks for them: the caption (the program's
// own when the request has none), the text, the icon and the buttons of the
// MB_ style, the second button as default for MB_DEFBUTTON2. Returns the
// button pressed (IDOK, IDYES ...); closing the box counts as Cancel, else
// No, else OK.
#pragma once

#include "platform/UserInterface.h"

class QMessageBox;
class QWidget;

// The box for request, not shown (tests inspect it; RunMessageBox runs it).
QMessageBox* MakeMessageBox(const MessageBoxRequest& request, QWidget* parent);
// The platform's answer for the button the box ended with.
int MessageBoxAnswer(const QMessageBox& box);

int RunMessageBox(const MessageBoxRequest& request, QWidget* parent);
