// Number fields of the run and solver options dialogs: a value shown so that
// it reads back the same, and a typed value read and checked, with a message
// naming the field and the focus put back on it when it will not do.
#pragma once

#include <string>

class CDialog;

std::string OptionNumberText(double value);

// The number typed in field id of dialog: at least minimum (above it when
// strictlyAbove), whole when integer. False after telling the user.
bool ReadOptionField(CDialog& dialog, int id, const std::string& what, double minimum, bool strictlyAbove,
                     bool integer, double& value);
