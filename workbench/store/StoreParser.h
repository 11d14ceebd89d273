// The host's parser service on the store (IQVParser): QVNewType,
// QVCompileType, QVCompileConstraints, QVSetModellingLanguageText and
// GetDefaultName reach it once it is installed (StoreServices.h).
#pragma once

#include "host/language/Parser.h"

class CStoreParser : public IQVParser {
 public:
  // parent: the palette owner (a library's type, the simulation type, a
  // model); the type is made in the palette it owns, else in the one that holds it.
  QVParseReport NewType(const std::string& name, IFType* parent, const std::string& text, IFTypeDesc** newType,
                        const std::string& extra, int option1, int option2, int option3) override;
  QVParseReport CompileType(IFType* type, const std::string& text, const std::string& extra, DWORD flags,
                            DWORD options, DWORD mode, const std::string* listing, CMemoryStream* stream,
                            IFInstance* instance) override;
  // The constraints are equations over the flowsheet's members, written like
  // the body of a model; kept on the flowsheet type when they read without errors.
  QVParseReport CompileConstraints(IFType* flowsheetType, const std::string& text, const std::string& extra,
                                   DWORD flags, DWORD options, DWORD mode) override;
  // A new latest text for the type behind data: it must define that type
  // (kind and name); it is kept, not compiled. A full text brings its
  // embedded uncompiled version back as the latest text.
  HRESULT SetModellingLanguageText(IDataObject* data, const std::string& text) override;
  HRESULT GetDefaultName(IFTypePalette* palette, const std::string& keyword, std::string& name) override;
};
