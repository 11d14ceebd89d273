// The classes behind the diagnostics interfaces, each over one record of a
// run (DiagnosticsSession.h keeps the run alive and finds an object already
// made for a record). Made through ObtainDiagnosticsObject, never directly.
#pragma once

#include "host/com/ComObject.h"
#include "host/diagnostics/IZNDecompEquation.h"
#include "host/diagnostics/IZNDecompEquivalence.h"
#include "host/diagnostics/IZNDecompGroup.h"
#include "host/diagnostics/IZNDecompStatistics.h"
#include "host/diagnostics/IZNDecompVariable.h"
#include "host/diagnostics/IZNDecomposition.h"
#include "host/diagnostics/IZNDiagnostics.h"
#include "workbench/diagnostics/DiagnosticsSession.h"

// What every record object shares: the session, and its place in the session's object table.
template <class Interface, class Record>
class CDecompRecordObject : public CComObject<Interface> {
 protected:
  CDecompRecordObject(DiagnosticsSessionPtr session, const Record& record)
      : m_session(std::move(session)), m_record(record) {
    m_session->Enter(&m_record, this->Identity());
  }
  ~CDecompRecordObject() override { m_session->Leave(&m_record); }

  DiagnosticsSessionPtr m_session;
  const Record& m_record;
};

class CZNDecomposition : public CDecompRecordObject<IZNDecomposition, DecompositionRecord> {
 public:
  CZNDecomposition(DiagnosticsSessionPtr session, const DecompositionRecord& record);
  static CComPtr<IZNDecomposition> Obtain(const DiagnosticsSessionPtr& session, const DecompositionRecord& record);

  HRESULT GetRunMode(int* mode) override;
  HRESULT IsConverged(bool* converged) override;
  HRESULT GetEquationCount(int* count) override;
  HRESULT GetGroupCount(int* count) override;
  HRESULT GetExplicitGroupCount(int* count) override;
  HRESULT GetLinearGroupCount(int* count) override;
  HRESULT GetNonlinearGroupCount(int* count) override;
  HRESULT GetTornGroupCount(int* count) override;
  HRESULT GetLargestGroupSize(int* count) override;
  HRESULT EnumGroups(IEnum<IZNDecompGroup>** groups) override;
  HRESULT GetStatistics(IZNDecompStatistics** statistics) override;

 private:
  // Counted once, on first asking: the groups by type and the largest group.
  void CountGroups();
  bool m_counted = false;
  int m_byType[5] = {};
  int m_largest = 0;
};

class CZNDecompGroup : public CDecompRecordObject<IZNDecompGroup, DecompGroupRecord> {
 public:
  CZNDecompGroup(DiagnosticsSessionPtr session, const DecompGroupRecord& record,
                 const DecompositionRecord& decomposition);
  static CComPtr<IZNDecompGroup> Obtain(const DiagnosticsSessionPtr& session, const DecompGroupRecord& record,
                                        const DecompositionRecord& decomposition);

  HRESULT GetType(int* type) override;
  HRESULT GetNumber(int* number) override;
  HRESULT IsConverged(bool* converged) override;
  HRESULT GetEquationCount(int* count) override;
  HRESULT GetVariableCount(int* count) override;
  HRESULT GetNonZeroCount(int* count) override;
  HRESULT GetMemberCount(int* count) override;
  HRESULT EnumEquations(IEnum<IZNDecompEquation>** equations) override;
  HRESULT EnumVariables(IEnum<IZNDecompVariable>** variables) override;
  HRESULT GetTornSize(int* size) override;
  HRESULT GetSubGroupCount(int* count) override;
  HRESULT EnumSubGroups(IEnum<IZNDecompGroup>** groups) override;
  HRESULT GetStatistics(IZNDecompStatistics** statistics) override;

 private:
  bool IsTorn() const { return m_record.type == ZN_GROUP_TORN; }
  const DecompositionRecord& m_decomposition;
};

class CZNDecompEquation : public CDecompRecordObject<IZNDecompEquation, DecompEquationRecord> {
 public:
  CZNDecompEquation(DiagnosticsSessionPtr session, const DecompEquationRecord& record,
                    const DecompositionRecord& decomposition);
  static CComPtr<IZNDecompEquation> Obtain(const DiagnosticsSessionPtr& session, const DecompositionRecord& decomposition,
                                           int index);

  HRESULT GetName(std::string& name) override;
  HRESULT GetResidual(double* residual) override;
  HRESULT GetResidualText(std::string& text) override;
  HRESULT GetLongResidualText(std::string& text) override;
  HRESULT GetVariableCount(int* count) override;
  HRESULT GetElementCount(int* count) override;
  HRESULT GetActiveVariableCount(int* count) override;
  HRESULT IsVisible(bool* visible) override;
  HRESULT GetSolvedVariableIndex(int* index) override;
  HRESULT EnumVariables(IEnum<IZNDecompVariable>** variables) override;

 private:
  int Index() const { return static_cast<int>(&m_record - m_decomposition.equations.data()); }
  const DecompositionRecord& m_decomposition;
};

class CZNDecompVariable : public CDecompRecordObject<IZNDecompVariable, DecompVariableRecord> {
 public:
  CZNDecompVariable(DiagnosticsSessionPtr session, const DecompVariableRecord& record,
                    const DecompositionRecord& decomposition);
  static CComPtr<IZNDecompVariable> Obtain(const DiagnosticsSessionPtr& session, const DecompositionRecord& decomposition,
                                           int index);

  HRESULT GetName(std::string& name) override;
  HRESULT GetEquivalenceNumber(int* number) override;
  HRESULT GetGroupIndex(int* index) override;
  HRESULT GetSubGroupIndex(int* index) override;
  HRESULT HasProblem(bool* problem) override;
  HRESULT IsVisible(bool* visible) override;
  HRESULT GetBoundState(std::string& text) override;
  HRESULT SetBoundState(const std::string& text) override;
  HRESULT GetDecomposition(IZNDecomposition** decomposition) override;

 private:
  const DecompositionRecord& m_decomposition;
};

// The variables of decomposition at indices (into its variables), made as the enumeration reaches them.
HRESULT EnumDecompVariables(const DiagnosticsSessionPtr& session, const DecompositionRecord& decomposition,
                            const std::vector<int>& indices, IEnum<IZNDecompVariable>** variables);

class CZNDecompEquivalence : public CDecompRecordObject<IZNDecompEquivalence, DecompEquivalenceRecord> {
 public:
  CZNDecompEquivalence(DiagnosticsSessionPtr session, const DecompEquivalenceRecord& record);

  HRESULT GetNumber(int* number) override;
  HRESULT GetVariableCount(int* count) override;
  HRESULT GetLowerBound(double* bound) override;
  HRESULT GetUpperBound(double* bound) override;
  HRESULT GetScaleFactor(double* factor) override;
  HRESULT IsVisible(bool* visible) override;
  HRESULT EnumVariables(IEnum<IZNDecompVariable>** variables) override;
};

// Where a decomposition (groups) or a torn group (sub-groups) first failed; made fresh on each asking.
class CZNDecompStatistics : public CComObject<IZNDecompStatistics> {
 public:
  CZNDecompStatistics(DiagnosticsSessionPtr session, const std::vector<DecompGroupRecord>& groups, int firstUnconverged,
                      const DecompositionRecord& decomposition);

  HRESULT GetFirstUnconvergedGroup(IZNDecompGroup** group) override;
  HRESULT GetFirstUnconvergedPosition(int* position) override;

 private:
  DiagnosticsSessionPtr m_session;
  const std::vector<DecompGroupRecord>& m_groups;
  int m_firstUnconverged;
  const DecompositionRecord& m_decomposition;
};

class CZNDiagnostics : public CComObject<IZNDiagnostics> {
 public:
  explicit CZNDiagnostics(DiagnosticsSessionPtr session) : m_session(std::move(session)) {}

  HRESULT IsPresent(bool* present) override;
  HRESULT EnumDecompositions(IEnum<IZNDecomposition>** decompositions) override;
  HRESULT GetEquivalenceCount(int* count) override;
  HRESULT EnumEquivalences(IEnum<IZNDecompEquivalence>** equivalences) override;
  HRESULT GetOptions(IQVSolverOptions** options) override;

 private:
  DiagnosticsSessionPtr m_session;
};
