# ondaris_library(NAME DEPENDS lib...): a static library made of every source in src/NAME
# except main.cpp, linked to the libraries it may use.
function(ondaris_library name)
  cmake_parse_arguments(ARG "" "" "DEPENDS;QT" ${ARGN})
  file(GLOB sources CONFIGURE_DEPENDS
       ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp ${CMAKE_CURRENT_SOURCE_DIR}/*.h)
  list(FILTER sources EXCLUDE REGEX "/main\\.cpp$")
  set(compiled ${sources})
  list(FILTER compiled INCLUDE REGEX "\\.cpp$")
  if(compiled)
    add_library(ondaris_${name} STATIC ${sources})
    set(scope PUBLIC)
  else()
    # A folder whose code is still all in headers.
    add_library(ondaris_${name} INTERFACE)
    set(scope INTERFACE)
  endif()
  target_include_directories(ondaris_${name} ${scope} ${PROJECT_SOURCE_DIR}/src)
  foreach(dep IN LISTS ARG_DEPENDS)
    target_link_libraries(ondaris_${name} ${scope} ondaris_${dep})
  endforeach()
  foreach(qt IN LISTS ARG_QT)
    target_link_libraries(ondaris_${name} ${scope} Qt6::${qt})
  endforeach()
endfunction()

# ondaris_module(NAME SOURCES source... LINK lib...): a module NAME (NAME.so, NAME.dll) that the
# program loads when first needed (framework/modules.h), at ONDARIS_MODULE_PATH from the
# program's folder: built there in the build tree (the program is in bin/, as once installed),
# and likewise beside the test programs, which are one folder under tests/.
add_custom_target(ondaris_modules)
function(ondaris_module name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LINK" ${ARGN})
  set(target ondaris_${name}_module)
  add_library(${target} MODULE ${ARG_SOURCES})
  target_include_directories(${target} PRIVATE ${PROJECT_SOURCE_DIR}/src)
  target_link_libraries(${target} PRIVATE ${ARG_LINK})
  if(CMAKE_SYSTEM_NAME STREQUAL "Linux")
    # libc among its needs even when it calls no C function itself: Debian's tools take a
    # library without it for a broken one.
    target_link_options(${target} PRIVATE "LINKER:--push-state,--no-as-needed,-lc,--pop-state")
  endif()
  get_filename_component(dir ${PROJECT_BINARY_DIR}/bin/${ONDARIS_MODULE_PATH} ABSOLUTE)
  get_filename_component(test_dir ${PROJECT_BINARY_DIR}/tests/app/${ONDARIS_MODULE_PATH} ABSOLUTE)
  set_target_properties(${target} PROPERTIES OUTPUT_NAME ${name} PREFIX ""
                        CXX_VISIBILITY_PRESET hidden LIBRARY_OUTPUT_DIRECTORY ${dir})
  add_custom_command(TARGET ${target} POST_BUILD
                     COMMAND ${CMAKE_COMMAND} -E make_directory ${test_dir}
                     COMMAND ${CMAKE_COMMAND} -E copy $<TARGET_FILE:${target}> ${test_dir}/
                     VERBATIM)
  add_dependencies(ondaris_modules ${target})
  install(TARGETS ${target} LIBRARY DESTINATION ${ONDARIS_MODULE_INSTALL_DIR})
endfunction()

# ondaris_tests(LIB): one test program per tests/LIB/*_test.cpp, linked to ondaris_LIB and the
# shared test support, each run in a fresh temporary home by tests/isolated.sh.
function(ondaris_tests lib)
  # The library under test: the folder's own, unless LIBRARY names another.
  cmake_parse_arguments(ARG "" "LIBRARY" "" ${ARGN})
  set(library ondaris_${lib})
  if(ARG_LIBRARY)
    set(library ondaris_${ARG_LIBRARY})
  endif()
  file(GLOB tests CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*_test.cpp)
  foreach(src IN LISTS tests)
    get_filename_component(base ${src} NAME_WE)
    set(target test_${lib}_${base})
    add_executable(${target} ${src})
    target_link_libraries(${target} PRIVATE ${library} ondaris_testsupport Qt6::Test)
    add_dependencies(${target} ondaris_modules)
    add_test(NAME ${lib}/${base}
             COMMAND ${PROJECT_SOURCE_DIR}/tests/isolated.sh $<TARGET_FILE:${target}>)
    set_tests_properties(${lib}/${base} PROPERTIES LABELS ${lib} TIMEOUT 300)
  endforeach()
endfunction()
