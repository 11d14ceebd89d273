// The templates of the host's Run Options and Solver Options dialogs,
// registered once before the first of them is made.
#pragma once

void RegisterRunDialogTemplates();
