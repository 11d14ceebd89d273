#include "app/headless/HostViewPrinter.h"

#include <ostream>

void PrintFoundVariables(const std::vector<FoundVariable>& found, std::ostream& out) {
  out << "Variable\tValue\tUnits\tSpec\tDescription\n";
  for (const FoundVariable& f : found)
    out << f.path << '\t' << ViewNumber(f.value) << '\t' << f.unit << '\t' << f.spec << '\t' << f.description << '\n';
  out << found.size() << (found.size() == 1 ? " variable\n" : " variables\n");
}

void PrintHostView(CHostViews& views, const HostViewRequest& view, std::ostream& out) {
  out << view.title << '\n';
  for (const std::string& problem : view.form.problems) out << "problem: " << problem << '\n';
  switch (view.kind) {
    case HostViewKind::Table:
      out << TableRowsText(views.TableRows(view.form));
      return;
    case HostViewKind::History:
    case HostViewKind::Plot:
      out << HistoryCsv(views.History(view.form));
      return;
    case HostViewKind::Profile:
    case HostViewKind::ProfileTable: {
      out << "Point\t" << view.form.axisLabel << "\tValue\tUnits\n";
      int point = 0;
      for (const TableRowValues& row : views.TableRows(view.form)) {
        out << ++point << '\t' << row.path << '\t';
        out << (row.problem.empty() ? ViewNumber(row.value) + "\t" + row.unit : row.problem + "\t") << '\n';
      }
      return;
    }
    case HostViewKind::Finder:
      PrintFoundVariables(views.Find(view.start, "*"), out);
      return;
  }
}
