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

# ondaris_tests(LIB): one test program per tests/LIB/*_test.cpp, linked to ondaris_LIB and the
# shared test support, each run in a fresh temporary home by tests/isolated.sh.
function(ondaris_tests lib)
  file(GLOB tests CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*_test.cpp)
  foreach(src IN LISTS tests)
    get_filename_component(base ${src} NAME_WE)
    set(target test_${lib}_${base})
    add_executable(${target} ${src})
    target_link_libraries(${target} PRIVATE ondaris_${lib} ondaris_testsupport Qt6::Test)
    add_test(NAME ${lib}/${base}
             COMMAND ${PROJECT_SOURCE_DIR}/tests/isolated.sh $<TARGET_FILE:${target}>)
    set_tests_properties(${lib}/${base} PROPERTIES LABELS ${lib} TIMEOUT 300)
  endforeach()
endfunction()
