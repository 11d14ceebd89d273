// Splits a model text into tokens. Never fails: every problem (a comment or
// string that is not closed, a byte that is not valid UTF-8, a character the
// language does not use) is reported with its line and reading goes on.
#pragma once

#include <string_view>
#include <vector>

#include "workbench/language/BoundedReport.h"
#include "workbench/language/Token.h"

// The tokens of text, ending with one EndOfText token. Text inside strings and
// comments may be any valid UTF-8. When a '/*' comment runs to the end of the
// text, the line it starts on is stored in unclosedCommentLine (else 0).
std::vector<Token> Tokenize(std::string_view text, CBoundedReport& report, int* unclosedCommentLine = nullptr);
