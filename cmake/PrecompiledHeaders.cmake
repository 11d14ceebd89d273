# Precompiled headers. Three sets, each compiled once per build tree and reused
# by every target that compiles with the same flags:
#   vortan_platform      the standard library             every library, the benchmarks
#   vortan_test_support  the standard library, GoogleTest  the test programs
#   vortan_app_lib       the standard library, Qt Widgets  the desktop program and its benchmark
# (app_tests precompiles all three for itself: it compiles with Qt's flags.)
# Only third-party headers belong here: a change to one of ours must not
# rebuild every source. Configure with -DVORTAN_PCH=OFF to check that each
# source still includes what it uses.

set(VORTAN_PCH_STANDARD
    <algorithm> <array> <cmath> <cstddef> <cstdint> <cstdio> <cstring> <deque> <functional> <list> <map> <memory>
    <optional> <set> <string> <string_view> <unordered_map> <unordered_set> <utility> <variant> <vector>)
set(VORTAN_PCH_GTEST <gtest/gtest.h> <filesystem> <fstream> <sstream>)
set(VORTAN_PCH_QT
    <QAction> <QApplication> <QEvent> <QFont> <QKeyEvent> <QMdiArea> <QMdiSubWindow> <QPainter> <QPixmap>
    <QPointer> <QScrollBar> <QString> <QTimer> <QTreeView> <QWidget>)

# owner compiles the given headers into its own precompiled header.
function(vortan_precompile_headers owner)
  if(VORTAN_PCH)
    target_precompile_headers(${owner} PRIVATE ${ARGN})
  endif()
endfunction()

# GCC 12 loses the system-header status of libstdc++ code that comes from a
# precompiled header, so the optimiser's bounds and overlap checks report
# their known false positives inside std::string's inlined copies (in our
# files, at -O2). Those checks are left to AddressSanitizer, which sees real
# out-of-bounds accesses when the tests run.
if(VORTAN_PCH AND CMAKE_CXX_COMPILER_ID STREQUAL "GNU" AND CMAKE_CXX_COMPILER_VERSION VERSION_LESS 13)
  add_compile_options(-Wno-array-bounds -Wno-stringop-overflow -Wno-stringop-overread -Wno-restrict)
endif()

# target uses owner's precompiled header.
function(vortan_reuse_precompiled_headers target owner)
  if(VORTAN_PCH)
    target_precompile_headers(${target} REUSE_FROM ${owner})
  endif()
endfunction()
