# Project-wide flags and helpers.

set(VINAXO_WARNINGS -Wall -Wextra -Wpedantic -Wshadow=local -Wnon-virtual-dtor
    -Wno-missing-field-initializers)

if(VINAXO_SANITIZE)
  add_compile_options(-fsanitize=address,undefined -fno-omit-frame-pointer
                      -fno-sanitize-recover=undefined)
  add_link_options(-fsanitize=address,undefined)
endif()

if(VINAXO_FUZZ)
  # Coverage for libFuzzer in the libraries a fuzz target links, not only in the target.
  add_compile_options(-fsanitize=fuzzer-no-link)
endif()

# Core libraries: Qt Core/Gui/Network only. vinaxo_check_core_targets() fails the
# configure step when one of them reaches Qt Widgets, directly or through another target.
set_property(GLOBAL PROPERTY VINAXO_CORE_TARGETS "")

function(vinaxo_core_library name)
  add_library(${name} STATIC ${ARGN})
  target_compile_options(${name} PRIVATE ${VINAXO_WARNINGS})
  target_compile_definitions(${name} PUBLIC QT_NO_KEYWORDS)
  target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR}/src)
  set_property(GLOBAL APPEND PROPERTY VINAXO_CORE_TARGETS ${name})
endfunction()

function(vinaxo_ui_library name)
  add_library(${name} STATIC ${ARGN})
  target_compile_options(${name} PRIVATE ${VINAXO_WARNINGS})
  target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR}/src)
endfunction()

function(_vinaxo_collect_links target out)
  set(seen ${${out}})
  get_target_property(libs ${target} LINK_LIBRARIES)
  if(NOT libs)
    set(libs "")
  endif()
  get_target_property(ilibs ${target} INTERFACE_LINK_LIBRARIES)
  if(ilibs)
    list(APPEND libs ${ilibs})
  endif()
  foreach(lib IN LISTS libs)
    string(REGEX REPLACE "^\\$<LINK_ONLY:(.*)>$" "\\1" lib "${lib}")
    if(NOT lib IN_LIST seen)
      list(APPEND seen ${lib})
      if(TARGET ${lib} AND NOT lib MATCHES "^Qt6::")
        _vinaxo_collect_links(${lib} seen)
      endif()
    endif()
  endforeach()
  set(${out} ${seen} PARENT_SCOPE)
endfunction()

function(vinaxo_check_core_targets)
  get_property(targets GLOBAL PROPERTY VINAXO_CORE_TARGETS)
  foreach(t IN LISTS targets)
    set(all "")
    _vinaxo_collect_links(${t} all)
    foreach(forbidden Qt6::Widgets Qt::Widgets Qt6::PrintSupport Qt::PrintSupport)
      if(forbidden IN_LIST all)
        message(FATAL_ERROR "Core library ${t} must not link ${forbidden}")
      endif()
    endforeach()
  endforeach()
endfunction()

# vinaxo_add_test(name [WIDGETS] SOURCES ... LIBS ...): one GoogleTest executable, one
# ctest entry. WIDGETS tests run under a QApplication, the others under a QGuiApplication.
function(vinaxo_add_test name)
  cmake_parse_arguments(T "WIDGETS" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${T_SOURCES})
  target_compile_options(${name} PRIVATE ${VINAXO_WARNINGS})
  if(T_WIDGETS)
    set(main vinaxo_test_main_widgets)
  else()
    set(main vinaxo_test_main)
  endif()
  target_link_libraries(${name} PRIVATE ${T_LIBS} vinaxo_test_support ${main} GTest::gtest GTest::gmock)
  add_test(NAME ${name} COMMAND ${name})
  set_tests_properties(${name} PROPERTIES
    ENVIRONMENT "QT_QPA_PLATFORM=offscreen;VINAXO_TEST_DATA=${PROJECT_SOURCE_DIR}/tests/data"
    TIMEOUT 300)
endfunction()
