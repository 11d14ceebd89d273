// Registry-export text: a header line, then one section per key
//   [HKEY_CURRENT_USER\Software\Velloran\ZNSystem\38.0\Explorer\Settings]
// followed by its values, "Name"=dword:00000003 or "Name"="text" (@ names the
// unnamed value). Inside quotes \\ is a backslash, \" a quote, \n and \r line breaks.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "platform/RegistryTree.h"

extern const char kRegistryTextHeader[];  // "Windows Registry Editor Version 5.00"

// What a parse had to skip.
struct RegistryParseReport {
  std::size_t skippedLines = 0;
  std::vector<std::string> details;  // "line 4: bad dword value: ..." for the first few skipped lines
  bool Clean() const { return skippedLines == 0; }
  std::string Describe() const;      // one line per detail, then a count of any not listed
};

// Reads the sections under rootName ("HKEY_CURRENT_USER") into a key tree.
// Lines that do not parse are skipped (and reported); everything else is kept.
// Values under a section line that could not be read are skipped with it.
RegistryKey ParseRegistryText(std::string_view text, std::string_view rootName, RegistryParseReport* report);

// Writes root in export form under rootName. A key gets a section when it has
// values or no subkeys (an empty key must survive the round trip); its
// ancestors are implied by it.
std::string FormatRegistryText(const RegistryKey& root, std::string_view rootName);
