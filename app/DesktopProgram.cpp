#include "app/DesktopProgram.h"

#include <cstdio>
#include <cstdlib>

#include <QApplication>
#include <QMdiSubWindow>
#include <QStatusBar>

#include "app/DesktopSession.h"
#include "app/MainWindow.h"
#include "app/Screenshot.h"
#include "app/views/HostViewWindows.h"
#include "host/diagnostics/IZNDecomposition.h"
#include "platform/Frame.h"
#include "platform/UserInterface.h"
#include "workbench/document/WorkbenchApp.h"
#include "workbench/run/SimulationRun.h"
#include "workbench/views/HostViews.h"

namespace {

// How long a screenshot run lets the window settle before it is drawn.
constexpr int kSettleMilliseconds = 1500;

bool HasEnv(const char* name) {
  const char* value = std::getenv(name);
  return value && *value;
}

// A window system to draw on: a display, or Qt's offscreen platform for a screenshot.
bool PrepareWindowSystem(const CommandLineOptions& options) {
  if (HasEnv("QT_QPA_PLATFORM") || HasEnv("DISPLAY") || HasEnv("WAYLAND_DISPLAY")) return true;
  if (!options.screenshotPath.empty()) {
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    return true;
  }
  std::fputs("No display to open the window on: set DISPLAY, run under xvfb-run, "
             "or set QT_QPA_PLATFORM=offscreen.\n",
             stderr);
  return false;
}

// Ends the event loop when the host's main frame goes away.
class QuitWithWindow : public WindowObserver {
 public:
  explicit QuitWithWindow(HWND window) : m_window(window) { AddWindowObserver(this); }
  ~QuitWithWindow() override { RemoveWindowObserver(this); }
  void WindowDestroying(CWnd& window) override {
    if (window.m_hWnd == m_window) QCoreApplication::quit();
  }

 private:
  HWND m_window;
};

// What a screenshot run shows besides the main window: a dynamic run of the
// document, and a form's view (then the picture is of that view alone).
bool PrepareScreenshot(DesktopSession& session, const CommandLineOptions& options, QWidget*& picture,
                       std::string& problem) {
  if (options.simulateUntil > 0.0) {
    CSimulationRun& run = session.Host().App().Document().Run();
    if (!run.Start(ZN_RUN_DYNAMIC, options.simulateUntil)) {
      problem = run.Summary();
      return false;
    }
    run.Finish();
  }
  if (options.view.empty()) return true;
  const std::size_t slash = options.view.find('/');
  const std::size_t colon = options.view.find(':', slash == std::string::npos ? 0 : slash);
  if (slash == std::string::npos) {
    problem = "--view names a form as OWNER/FORM[:MODE]";
    return false;
  }
  const std::string owner = options.view.substr(0, slash);
  const std::string form = options.view.substr(slash + 1, colon == std::string::npos ? std::string::npos : colon - slash - 1);
  const std::string mode = colon == std::string::npos ? std::string() : options.view.substr(colon + 1);
  if (!session.Host().Views().ShowForm(owner, form, mode, problem)) return false;
  QMdiSubWindow* view = session.Views() ? session.Views()->Latest() : nullptr;
  if (!view) {
    problem = "the view of " + options.view + " did not open";
    return false;
  }
  view->showMaximized();
  picture = view;
  return true;
}

}  // namespace

int RunDesktopProgram(const CommandLineOptions& options, const std::string& programPath) {
  if (!PrepareWindowSystem(options)) return 1;
  int argc = 1;
  std::string program = programPath.empty() ? std::string("vortan") : programPath;
  char* argv[] = {program.data(), nullptr};
  QApplication application(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Vortan Simulation Explorer"));
  QApplication::setApplicationVersion(QStringLiteral(VORTAN_VERSION));
  const bool interactive = options.screenshotPath.empty();

  DesktopSession session;
  if (!session.IsReady()) {
    std::fputs("The main window could not be made.\n", stderr);
    return 1;
  }
  MainWindow& window = session.Window();
  QuitWithWindow quitWithFrame(session.Host().MainFrame()->m_hWnd);
  window.show();

  std::string problem;
  if (!session.Open(options.document, programPath, problem)) {
    std::fprintf(stderr, "%s\n", problem.c_str());
    // A picture of a document that could not be read would pass for one of it: none is written.
    if (!interactive) return 1;
    AfxMessageBox(problem, MB_OK | MB_ICONEXCLAMATION, "File load failure");
  }
  if (!session.OpenStartupExplorer())
    window.statusBar()->showMessage(QStringLiteral("No Explorer window type is registered with the host."));

  if (!interactive) {
    QWidget* picture = &window;
    if (!PrepareScreenshot(session, options, picture, problem)) {
      std::fprintf(stderr, "%s\n", problem.c_str());
      return 1;
    }
    session.Settle(kSettleMilliseconds);
    if (!SaveScreenshot(*picture, options.screenshotPath, problem)) {
      std::fprintf(stderr, "%s\n", problem.c_str());
      return 1;
    }
    return 0;
  }
  return QApplication::exec();
}
