# The installed program: "cmake --install" into a scratch root, the desktop's
# own validators on what it installs, the manual page against the command's
# options, and the Debian package (built once, checked by lintian, unpacked and
# run). A step whose tool is missing is reported as skipped (exit code 77);
# scripts/setup.sh installs every tool, so CI runs them all.
set(check ${CMAKE_CURRENT_LIST_DIR}/check_install.sh)
set(args ${CMAKE_BINARY_DIR} ${CMAKE_SOURCE_DIR} ${PROJECT_VERSION})

add_test(NAME install.stage COMMAND bash ${check} stage ${args})
set_tests_properties(install.stage PROPERTIES FIXTURES_SETUP installed)
foreach(step layout desktop_entry appstream manual_page file_types installed_runs)
  add_test(NAME install.${step} COMMAND bash ${check} ${step} ${args})
  set_tests_properties(install.${step} PROPERTIES FIXTURES_REQUIRED installed)
endforeach()

add_test(NAME install.deb_build COMMAND bash ${check} deb_build ${args})
set_tests_properties(install.deb_build PROPERTIES FIXTURES_SETUP deb)
foreach(step deb_lintian deb_contents)
  add_test(NAME install.${step} COMMAND bash ${check} ${step} ${args})
  set_tests_properties(install.${step} PROPERTIES FIXTURES_REQUIRED deb)
endforeach()

get_property(install_tests DIRECTORY PROPERTY TESTS)
list(FILTER install_tests INCLUDE REGEX "^install\\.")
set_tests_properties(${install_tests} PROPERTIES SKIP_RETURN_CODE 77 TIMEOUT 300)
