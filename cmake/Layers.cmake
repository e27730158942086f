# Every folder builds one library; the libraries form layers and may only link
# downwards. pw_library() checks this when the build is configured, so a link
# that points upwards fails at once instead of growing into a cycle.
#
# Layers marked HEADLESS are the engine: they render without a window system and
# on worker threads, so they may not link Qt Widgets.

set(PW_LAYER_ORDER
  model data page output engine template script barcode
  printing preview autosearch wizards designer app)

set(PW_HEADLESS_LAYERS model data page output engine template script barcode)

set(PW_WARNINGS -Wall -Wextra -Wpedantic -Werror -Wno-error=deprecated-declarations)

function(pw_apply_common target)
  target_compile_options(${target} PRIVATE ${PW_WARNINGS})
  if(PW_SANITIZE)
    target_compile_options(${target} PRIVATE -fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
    target_link_options(${target} PRIVATE -fsanitize=address,undefined)
  endif()
endfunction()

# pw_library(<layer> SOURCES ... [DEPENDS <layer>...] [QT <component>...])
# Builds target pw_<layer> from the folder's sources. Headers are included by
# bare name; only the folder itself is on the public include path, so a layer
# sees exactly the headers of the layers it links.
function(pw_library layer)
  cmake_parse_arguments(ARG "" "" "SOURCES;DEPENDS;QT" ${ARGN})
  list(FIND PW_LAYER_ORDER ${layer} own_index)
  if(own_index EQUAL -1)
    message(FATAL_ERROR "pw_library: unknown layer '${layer}'")
  endif()
  foreach(dep IN LISTS ARG_DEPENDS)
    list(FIND PW_LAYER_ORDER ${dep} dep_index)
    if(dep_index EQUAL -1 OR NOT dep_index LESS own_index)
      message(FATAL_ERROR "Layer '${layer}' may not depend on '${dep}': dependencies point down only (${PW_LAYER_ORDER})")
    endif()
  endforeach()
  list(FIND PW_HEADLESS_LAYERS ${layer} headless)
  if(NOT headless EQUAL -1)
    pw_refuse_window_system_includes(${layer} ${ARG_SOURCES})
  endif()

  add_library(pw_${layer} STATIC ${ARG_SOURCES})
  target_include_directories(pw_${layer} PUBLIC ${CMAKE_CURRENT_SOURCE_DIR})
  foreach(dep IN LISTS ARG_DEPENDS)
    target_link_libraries(pw_${layer} PUBLIC pw_${dep})
  endforeach()
  foreach(qt IN LISTS ARG_QT)
    target_link_libraries(pw_${layer} PUBLIC Qt6::${qt})
  endforeach()
  pw_apply_common(pw_${layer})
endfunction()

# Qt's umbrella include folder is on every Qt target's path, so a headless
# source could still reach a widget header by its module prefix.
function(pw_refuse_window_system_includes layer)
  file(GLOB headers ${CMAKE_CURRENT_SOURCE_DIR}/*.h)
  foreach(source IN LISTS ARGN headers)
    file(STRINGS ${source} includes REGEX "^[ \t]*#[ \t]*include[ \t]*<Qt(Widgets|PrintSupport)[/>]")
    if(includes)
      message(FATAL_ERROR "Layer '${layer}' renders headless and may not include window-system headers: ${source}: ${includes}")
    endif()
  endforeach()
endfunction()

# Everything `target` links, at any depth, imported Qt targets included.
function(pw_link_closure target out)
  set(seen "")
  set(pending ${target})
  while(pending)
    list(POP_FRONT pending current)
    if(current IN_LIST seen OR NOT TARGET ${current})
      continue()
    endif()
    list(APPEND seen ${current})
    get_target_property(type ${current} TYPE)
    set(links "")
    if(NOT type STREQUAL "INTERFACE_LIBRARY")
      get_target_property(direct ${current} LINK_LIBRARIES)
      if(direct)
        list(APPEND links ${direct})
      endif()
    endif()
    get_target_property(interface ${current} INTERFACE_LINK_LIBRARIES)
    if(interface)
      list(APPEND links ${interface})
    endif()
    foreach(link IN LISTS links)
      # Generator expressions such as $<LINK_ONLY:Qt6::Gui> name a target too.
      string(REGEX REPLACE "^\\$<LINK_ONLY:(.*)>$" "\\1" link "${link}")
      if(TARGET ${link})
        get_target_property(aliased ${link} ALIASED_TARGET)
        if(aliased)
          set(link ${aliased})
        endif()
        list(APPEND pending ${link})
      endif()
    endforeach()
  endwhile()
  set(${out} ${seen} PARENT_SCOPE)
endfunction()

# Called once every target exists: the headless layers and the targets named
# (the command-line tools) may not reach Qt Widgets or Qt PrintSupport through
# any chain of links.
function(pw_check_headless)
  set(targets "")
  foreach(layer IN LISTS PW_HEADLESS_LAYERS)
    list(APPEND targets pw_${layer})
  endforeach()
  list(APPEND targets ${ARGN})
  foreach(target IN LISTS targets)
    pw_link_closure(${target} closure)
    foreach(forbidden Qt6::Widgets Qt6::PrintSupport)
      if(forbidden IN_LIST closure)
        message(FATAL_ERROR "'${target}' renders headless but reaches ${forbidden} through its links")
      endif()
    endforeach()
  endforeach()
endfunction()

# pw_test(<name> SOURCES ... LIBS ...): one GoogleTest binary, run by CTest as
# one test. Widget tests need no display: CTest runs them offscreen.
function(pw_test name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE ${ARG_LIBS} GTest::gtest GTest::gmock)
  # Every test file sees the same printers for Qt strings; a file without
  # them would instantiate GoogleTest's container printer and, the linker
  # keeping one copy, silence the readable one everywhere.
  target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR}/testing)
  target_compile_options(${name} PRIVATE -include QtPrinters.h)
  pw_apply_common(${name})
  add_test(NAME ${name} COMMAND ${name})
  set_tests_properties(${name} PROPERTIES
    ENVIRONMENT "QT_QPA_PLATFORM=offscreen;LC_ALL=C.UTF-8;TZ=UTC")
endfunction()
