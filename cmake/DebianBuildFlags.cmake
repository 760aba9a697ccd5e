# Debian's hardening flags (fortify, stack protector, format checks, relro,
# bindnow) as dpkg-buildflags gives them, so the package passes the archive's
# checks. Optimisation and debug information stay the build type's; the
# build-path mapping is left out too: it names this tree, so it would defeat a
# compiler cache shared between trees.
find_program(DPKG_BUILDFLAGS dpkg-buildflags)
if(NOT DPKG_BUILDFLAGS)
  return()
endif()
foreach(kind CPPFLAGS CXXFLAGS LDFLAGS)
  execute_process(
    COMMAND ${CMAKE_COMMAND} -E env DEB_BUILD_MAINT_OPTIONS=hardening=+all
            ${DPKG_BUILDFLAGS} --get ${kind}
    OUTPUT_VARIABLE flags OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
  separate_arguments(flags UNIX_COMMAND "${flags}")
  list(FILTER flags EXCLUDE REGEX "^(-ffile-prefix-map=.*|-g|-O[0-9s]?)$")
  if(kind STREQUAL LDFLAGS)
    add_link_options(${flags})
  else()
    add_compile_options("$<$<COMPILE_LANGUAGE:CXX>:${flags}>")
  endif()
endforeach()
