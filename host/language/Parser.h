// The host's modelling-language parser: creating a type from a text, compiling
// a type's text or a flowsheet's constraints, and setting a type's text. Each
// call gives a parse report whose error count decides success; while no parser
// is installed (HostService<IQVParser>) the report holds one error saying so.
#pragma once

#include <string>

#include "host/ParseReport.h"
#include "host/com/HostService.h"
#include "platform/Ole.h"

struct IDataObject;
struct IFInstance;
struct IFType;
struct IFTypeDesc;
struct IFTypePalette;

class IQVParser {
 public:
  virtual ~IQVParser() = default;
  virtual QVParseReport NewType(const std::string& name, IFType* parent, const std::string& text, IFTypeDesc** newType,
                                const std::string& extra, int option1, int option2, int option3) = 0;
  virtual QVParseReport CompileType(IFType* type, const std::string& text, const std::string& extra, DWORD flags,
                                    DWORD options, DWORD mode, const std::string* listing, CMemoryStream* stream,
                                    IFInstance* instance) = 0;
  virtual QVParseReport CompileConstraints(IFType* flowsheetType, const std::string& text, const std::string& extra,
                                           DWORD flags, DWORD options, DWORD mode) = 0;
  virtual HRESULT SetModellingLanguageText(IDataObject* data, const std::string& text) = 0;
  virtual HRESULT GetDefaultName(IFTypePalette* palette, const std::string& keyword, std::string& name) = 0;
};

// Makes a type called name in parent's palette from text (a definition
// beginning with its keyword and name, ending with "End"). *newType gets the
// new type's descriptor only when the report has no error. extra and the three
// options as given (the explorer passes "", 0, 7, 100).
QVParseReport QVNewType(const std::string& name, IFType* parent, const std::string& text, IFTypeDesc** newType,
                        const std::string& extra, int option1, int option2, int option3);
// Compiles text as type's new definition. extra, flags, options and mode as
// given (the explorer passes "", 0x80200, 4 or 0x204, 0x19); listing, stream and instance may be null.
QVParseReport QVCompileType(IFType* type, const std::string& text, const std::string& extra, DWORD flags,
                            DWORD options, DWORD mode, const std::string* listing = nullptr,
                            CMemoryStream* stream = nullptr, IFInstance* instance = nullptr);
// Compiles the constraints text of a flowsheet's type (the explorer passes "", 524800, 4, 25).
QVParseReport QVCompileConstraints(IFType* flowsheetType, const std::string& text, const std::string& extra,
                                   DWORD flags, DWORD options, DWORD mode);
// Writes every message of report to the current document's messages window, one
// line each: "Error: " or "Warning: " and the message with its line. Nothing
// happens without a current document.
void QVReportParserMessagesToOutput(const QVParseReport& report);
// Sets the "MORROW Modelling Language" text of a type through its data object (the parser checks it).
HRESULT QVSetModellingLanguageText(IDataObject* data, const std::string& text);
// A name not yet used in palette for a new definition of keyword ("Model" -> "Model1").
HRESULT GetDefaultName(IFTypePalette* palette, const std::string& keyword, std::string& name);
