# The layer check run on a small tree of every layer, written here: it must fail and
# name each include that runs against the layers, at its line, and nothing else.
#   cmake -DCHECK=<tools/check-layers.cmake> -P LayerCheckTest.cmake
cmake_minimum_required(VERSION 3.22)

set(tree ${CMAKE_CURRENT_BINARY_DIR}/layer-tree)
file(REMOVE_RECURSE ${tree})

# write(path lines...): one argument a line, taken one by one (a "[" would join list
# elements).
function(write path)
  set(text "")
  math(EXPR last "${ARGC} - 1")
  foreach(i RANGE 1 ${last})
    string(APPEND text "${ARGV${i}}\n")
  endforeach()
  file(WRITE ${tree}/src/${path} "${text}")
endfunction()

write(core/model/Sample.h "#pragma once" "#include <vector>")
write(core/model/Sample.cpp "#include \"model/Sample.h\"" "" "// a comment; with [brackets" "#include \"pages/Page.h\""
      "#include <QString>")
write(device/Link.h "#pragma once" "#include \"model/Sample.h\"")
write(device/Link.cpp "#include \"Link.h\"" "#include <queue>" "#  include <QtCore/QObject>" "#include \"common/Doc.h\"")
write(ui/pages/Page.h "#pragma once" "#include \"model/Sample.h\"" "#include <QImage>")
write(ui/pages/Page.cpp "#include \"pages/Page.h\"" "#include \"views/View.h\"")
write(ui/common/Doc.h "#include \"pages/Page.h\"" "#include \"Link.h\"")
write(ui/views/View.h "#include \"views/Bar.h\"" "#include \"common/Doc.h\"" "#include \"model/Sample.h\"")
write(ui/views/Bar.h "#include \"Link.h\"")
write(ui/views/View.cpp "#include \"View.h\"" "#include \"dialogs/Dialog.h\"" "" "#include \"../app/Frame.h\""
      "#include \"generated.moc\"")
write(ui/dialogs/Dialog.h "#include \"common/Doc.h\"" "#include \"Link.h\"" "#include \"views/View.h\"")
write(ui/app/Frame.h "#include \"views/View.h\"" "#include \"dialogs/Dialog.h\"" "#include \"Link.h\"")
write(ui/main.cpp "#include \"app/Frame.h\"" "#include \"pages/Page.h\"")
write(cli/CliCommon.h "#include \"pages/Page.h\"" "#include \"Link.h\"")
write(cli/main.cpp "#include \"CliCommon.h\"" "#include \"common/Doc.h\"")
write(ui/widgets/Stray.cpp "#include \"model/Sample.h\"")

set(expected
    "src/core/model/Sample.cpp:4: core includes \"pages/Page.h\" of pages"
    "src/core/model/Sample.cpp:5: core includes the Qt header <QString>"
    "src/device/Link.cpp:3: device includes the Qt header <QtCore/QObject>"
    "src/device/Link.cpp:4: device includes \"common/Doc.h\" of common"
    "src/ui/pages/Page.cpp:2: pages includes \"views/View.h\" of views"
    "src/ui/common/Doc.h:2: common includes \"Link.h\" of device"
    "src/ui/views/Bar.h:1: views includes \"Link.h\" of device"
    "src/ui/views/View.cpp:2: views includes \"dialogs/Dialog.h\" of dialogs"
    "src/ui/views/View.cpp:4: views includes \"../app/Frame.h\" of app"
    "src/ui/dialogs/Dialog.h:3: dialogs includes \"views/View.h\" of views"
    "src/cli/main.cpp:2: cli includes \"common/Doc.h\" of common"
    "src/ui/widgets/Stray.cpp:1: not in any layer")

execute_process(COMMAND ${CMAKE_COMMAND} -DKESTROVA_SOURCE_DIR=${tree} -P ${CHECK}
                RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE err)
set(report "${out}${err}")
set(failures "")
if(status EQUAL 0)
  string(APPEND failures "the check passed a tree with includes against the layers\n")
endif()
foreach(line IN LISTS expected)
  string(FIND "${report}" "${line}" at)
  if(at EQUAL -1)
    string(APPEND failures "not reported: ${line}\n")
  endif()
endforeach()
string(REGEX MATCHALL "src/[^\n:]+:[0-9]+: " reported "${report}")
list(LENGTH reported reportedCount)
list(LENGTH expected expectedCount)
if(NOT reportedCount EQUAL expectedCount)
  string(APPEND failures "${reportedCount} problems reported, ${expectedCount} expected\n")
endif()
if(failures)
  message(FATAL_ERROR "${failures}--- the check said:\n${report}")
endif()
file(REMOVE_RECURSE ${tree})
