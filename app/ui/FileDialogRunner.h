// A platform file dialog run with Qt's file dialog: the caption, the
// filters and chosen filter, the initial folder and the typed name come
// from the platform dialog; choosing a filter, typing a name and pressing
// OK or Cancel are the platform dialog's User... actions, so its checks
// (existing file, replace prompt, its own refusals) keep Qt's dialog open.
#pragma once

class CFileDialog;
class QFileDialog;
class QWidget;

// Qt's dialog set up from dialog (not shown).
QFileDialog* MakeFileDialog(CFileDialog& dialog, QWidget* parent);

void RunFileDialog(CFileDialog& dialog, QWidget* parent);
