# The fuzz targets, one per fuzz/*_fuzz.cpp, and what each links to: the smallest library that
# holds its reader when named here, else ondaris_lifecycle. Both the libFuzzer programs (fuzz/) and the
# replay of the kept corpus in the test suite (tests/fuzz/) build from this list.
file(GLOB ondaris_fuzz_sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_LIST_DIR}/*_fuzz.cpp)

set(archive_fuzz_libs ondaris_framework)
set(names_list_fuzz_libs ondaris_people)
set(vcard_fuzz_libs ondaris_people)
set(csv_persons_fuzz_libs ondaris_people)
foreach(study bio bi2 aff grp)
  set(study_${study}_fuzz_libs ondaris_studies)
endforeach()

# ondaris_fuzz_link(TARGET NAME): links TARGET to what fuzz target NAME needs.
function(ondaris_fuzz_link target name)
  if(DEFINED ${name}_libs)
    target_link_libraries(${target} PRIVATE ${${name}_libs})
  else()
    target_link_libraries(${target} PRIVATE ondaris_lifecycle)
  endif()
endfunction()
