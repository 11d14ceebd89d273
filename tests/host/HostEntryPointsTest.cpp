#include <gtest/gtest.h>

#include "host/language/CQVTextEditorFrame.h"
#include "host/language/Exporter.h"
#include "host/language/IconTypes.h"
#include "host/language/Parser.h"
#include "host/store/Status.h"
#include "host/store/TypeCatalogue.h"
#include "tests/host/FakeHost.h"

namespace {

// A parser that makes every "Model" definition and refuses everything else.
class RecordingParser : public IQVParser {
 public:
  std::vector<std::string> calls;
  QVParseReport NewType(const std::string& name, IFType*, const std::string& text, IFTypeDesc** newType,
                        const std::string&, int option1, int option2, int option3) override {
    calls.push_back("NewType " + name + " " + std::to_string(option1) + "," + std::to_string(option2) + "," +
                    std::to_string(option3));
    QVParseReport report;
    if (text.rfind("Model ", 0) != 0) report.AddError(1, "expected Model");
    if (newType) *newType = nullptr;
    return report;
  }
  QVParseReport CompileType(IFType*, const std::string&, const std::string&, DWORD flags, DWORD options, DWORD mode,
                            const std::string*, CMemoryStream*, IFInstance*) override {
    calls.push_back("CompileType " + std::to_string(flags) + "," + std::to_string(options) + "," +
                    std::to_string(mode));
    QVParseReport report;
    report.AddWarning(3, "unused variable 'x'");
    return report;
  }
  QVParseReport CompileConstraints(IFType*, const std::string&, const std::string&, DWORD, DWORD, DWORD) override {
    calls.push_back("CompileConstraints");
    return {};
  }
  HRESULT SetModellingLanguageText(IDataObject*, const std::string& text) override {
    calls.push_back("SetText " + text);
    return S_OK;
  }
  HRESULT GetDefaultName(IFTypePalette*, const std::string& keyword, std::string& name) override {
    name = keyword + "1";
    return S_OK;
  }
};

TEST(HostEntryPointsTest, WithoutAParserEveryReportIsAnError) {
  ASSERT_EQ(HostService<IQVParser>::Get(), nullptr);
  IFTypeDesc* desc = reinterpret_cast<IFTypeDesc*>(0x1);
  QVParseReport report = QVNewType("Tank", nullptr, "Model Tank\nEnd\n", &desc, "", 0, 7, 100);
  EXPECT_EQ(report.ErrorCount(), 1) << "success is decided by the error count, so nothing may pass";
  EXPECT_EQ(desc, nullptr);
  EXPECT_TRUE(QVCompileType(nullptr, "Model Tank\nEnd\n", "", 0x80200, 4, 0x19).HasErrors());
  EXPECT_TRUE(QVCompileConstraints(nullptr, "", "", 524800, 4, 25).HasErrors());
  EXPECT_EQ(QVSetModellingLanguageText(nullptr, "x"), FE_NOSERVICE);
  std::string name = "unchanged";
  EXPECT_EQ(GetDefaultName(nullptr, "Model", name), FE_NOSERVICE);
  EXPECT_EQ(name, "unchanged");
}

TEST(HostEntryPointsTest, TheInstalledParserGetsTheArgumentsUnchanged) {
  RecordingParser parser;
  ScopedHostService<IQVParser> installed(&parser);
  EXPECT_FALSE(QVNewType("Tank", nullptr, "Model Tank\nEnd\n", nullptr, "", 0, 7, 100).HasErrors());
  EXPECT_TRUE(QVNewType("Tank", nullptr, "Port Tank\nEnd\n", nullptr, "", 0, 7, 100).HasErrors());
  EXPECT_EQ(QVCompileType(nullptr, "", "", 0x80200, 0x204, 0x19).WarningCount(), 1);
  EXPECT_EQ(QVSetModellingLanguageText(nullptr, "Model A\nEnd\n"), S_OK);
  std::string name;
  EXPECT_EQ(GetDefaultName(nullptr, "Model", name), S_OK);
  EXPECT_EQ(name, "Model1");
  EXPECT_EQ(parser.calls, (std::vector<std::string>{"NewType Tank 0,7,100", "NewType Tank 0,7,100",
                                                    "CompileType 524800,516,25", "SetText Model A\nEnd\n"}));
}

TEST(HostEntryPointsTest, ParserMessagesGoToTheMessagesWindow) {
  fake::App app;
  fake::Document document;
  QVParseReport report;
  report.AddWarning(0, "the model has no equations");
  report.AddError(7, "unknown type 'Pressur' for variable 'P'");
  report.AddWarning(3, "'Q' is not declared in a model");
  report.AddError(3, "'T' is used before it is declared");

  QVReportParserMessagesToOutput(report);  // no current document: nothing happens
  app.document = &document;
  QVReportParserMessagesToOutput(report);
  // In line order, a line's messages as they came, those about the whole model last.
  EXPECT_EQ(document.output, (std::vector<std::string>{"Warning: Line 3: 'Q' is not declared in a model\n",
                                                       "Error: Line 3: 'T' is used before it is declared\n",
                                                       "Error: Line 7: unknown type 'Pressur' for variable 'P'\n",
                                                       "Warning: the model has no equations\n"}));
}

TEST(HostEntryPointsTest, OtherServicesFailCleanlyWhileNoneIsInstalled) {
  std::string text = "kept";
  EXPECT_EQ(QVExportType(nullptr, text), FE_NOSERVICE);
  EXPECT_EQ(QVExportType(nullptr, "/tmp/x.msi", 1, 2, 3, 0, 0), FE_NOSERVICE);
  EXPECT_EQ(QVExportTypes(static_cast<IFTypePalette*>(nullptr), DWORD{7}, text), FE_NOSERVICE);
  EXPECT_EQ(QVExportLibrary(nullptr, text), FE_NOSERVICE);
  EXPECT_EQ(QVExportDocument(nullptr, "/tmp/x.ktrs"), FE_NOSERVICE);
  EXPECT_EQ(QVPackageProperties(nullptr), FE_NOSERVICE);
  EXPECT_EQ(text, "kept");
  EXPECT_EQ(CQVTextEditorFrame::Launch(static_cast<IFType*>(nullptr), nullptr, "Tank", 7, false, 0), FE_NOSERVICE);
  QVTextEditor_RegisterDocumentTemplates();  // nothing to register with: no effect, no failure
  IQVIcon* icon = reinterpret_cast<IQVIcon*>(0x1);
  EXPECT_EQ(QVCreateIconType(nullptr, "Big", &icon), FE_NOSERVICE);
  EXPECT_EQ(icon, nullptr);
  IFType* type = reinterpret_cast<IFType*>(0x1);
  EXPECT_EQ(typecatCreateType(GUID_NULL, &type), FE_NOSERVICE);
  EXPECT_EQ(type, nullptr);
  EXPECT_EQ(typecatCreateType(GUID_NULL, nullptr), E_POINTER);
  EXPECT_EQ(GetStatusText(FE_NOSERVICE), "The host does not offer this service.");
}

TEST(StatusTextTest, EveryCodeHasASentence) {
  for (HRESULT code : {FE_NAMEEXISTS, FE_INUSE, FE_NOTFOUND, FE_READONLY, FE_INVALIDNAME, FE_NOTEMPTY,
                       FE_NOTCONFIGURED, FE_BADFILE, FE_NOSERVICE, FE_STALE, E_FAIL, E_NOINTERFACE}) {
    const std::string text = GetStatusText(code);
    EXPECT_FALSE(text.empty());
    EXPECT_EQ(text.back(), '.') << text;
    EXPECT_EQ(text.find("Operation failed"), std::string::npos) << "code " << code << " has no text of its own";
  }
  EXPECT_EQ(GetStatusText(static_cast<HRESULT>(0x8004F0FFu)), "Operation failed (error 0x8004F0FF).");
  EXPECT_EQ(GetStatusText(S_FALSE), "OK.");
}

}  // namespace
