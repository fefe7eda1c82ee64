# Which SFML the game builds on. The game is written against SFML 2 (2.4 or
# later within 2.x): the system's, linked dynamically as Debian's packages
# need, wherever it has one; otherwise SFML 2.6.2 built static with the game,
# as SFML's own project template does. Distributions that moved to SFML 3
# (Debian testing, Arch, Homebrew) take the second way: an SFML 3 is never
# used, neither its CMake targets nor its libraries nor its headers.
#
#   -DSUNKEN_BUILD_SFML=ON                 build SFML even where the system has SFML 2
#   -DFETCHCONTENT_SOURCE_DIR_SFML=DIR     a local SFML 2 source instead of SFML's
#                                          git repository (offline; also from the
#                                          toolchain file named by CMAKE_TOOLCHAIN_FILE)

option(SUNKEN_BUILD_SFML "Build SFML 2.6.2 with the game even where the system has SFML 2" OFF)

if(NOT SUNKEN_BUILD_SFML)
  # SFML's version files accept only the major version asked for, so an
  # SFML 3 is passed over here (SFML_CONSIDERED_VERSIONS then names it).
  find_package(SFML 2.4 CONFIG QUIET COMPONENTS graphics window system audio)
endif()

if(SFML_FOUND)
  message(STATUS "SFML: the system's ${SFML_VERSION} (${SFML_DIR})")
  return()
endif()

if(SUNKEN_BUILD_SFML)
  set(sunken_sfml_why "SUNKEN_BUILD_SFML is ON")
elseif(SFML_CONSIDERED_VERSIONS)
  # Each version once: with /lib a link to /usr/lib, one SFML is found twice.
  set(sunken_sfml_why "")
  foreach(version config IN ZIP_LISTS SFML_CONSIDERED_VERSIONS SFML_CONSIDERED_CONFIGS)
    if(NOT sunken_sfml_why MATCHES "(^|;)${version} ")
      list(APPEND sunken_sfml_why "${version} (${config})")
    endif()
  endforeach()
  list(JOIN sunken_sfml_why ", " sunken_sfml_why)
  set(sunken_sfml_why "the system has SFML ${sunken_sfml_why}, not SFML 2")
else()
  set(sunken_sfml_why "the system has no SFML")
endif()

include(FetchContent)
if(FETCHCONTENT_SOURCE_DIR_SFML)
  set(sunken_sfml_config ${FETCHCONTENT_SOURCE_DIR_SFML}/include/SFML/Config.hpp)
  if(NOT EXISTS ${sunken_sfml_config})
    message(FATAL_ERROR "FETCHCONTENT_SOURCE_DIR_SFML (${FETCHCONTENT_SOURCE_DIR_SFML}) holds no SFML source: "
      "no include/SFML/Config.hpp there")
  endif()
  file(STRINGS ${sunken_sfml_config} sunken_sfml_version REGEX "^#define SFML_VERSION_(MAJOR|MINOR|PATCH) ")
  string(REGEX REPLACE "[^;]* ([0-9]+);[^;]* ([0-9]+);[^;]* ([0-9]+)" "\\1.\\2.\\3"
    sunken_sfml_version "${sunken_sfml_version}")
  if(NOT sunken_sfml_version MATCHES "^2\\.")
    message(FATAL_ERROR "FETCHCONTENT_SOURCE_DIR_SFML (${FETCHCONTENT_SOURCE_DIR_SFML}) holds SFML "
      "${sunken_sfml_version}: the game needs SFML 2")
  endif()
  message(STATUS "SFML: building ${sunken_sfml_version} from ${FETCHCONTENT_SOURCE_DIR_SFML}, because ${sunken_sfml_why}")
else()
  # A clone that cannot reach SFML's repository fails deep in FetchContent's
  # log: say here what is missing and what to set instead. A build folder that
  # already holds the clone needs no network.
  set(sunken_sfml_git https://github.com/SFML/SFML.git)
  if(NOT EXISTS ${FETCHCONTENT_BASE_DIR}/sfml-src/CMakeLists.txt)
    find_package(Git QUIET)
    string(CONCAT sunken_sfml_offline "set FETCHCONTENT_SOURCE_DIR_SFML to a local SFML 2 source (-D on "
      "cmake's command line, or in a toolchain file named by the CMAKE_TOOLCHAIN_FILE environment variable)")
    if(NOT GIT_FOUND)
      message(FATAL_ERROR "SFML: ${sunken_sfml_why}, and building SFML 2.6.2 needs git to fetch it: "
        "install git, or ${sunken_sfml_offline}")
    endif()
    execute_process(COMMAND ${GIT_EXECUTABLE} ls-remote ${sunken_sfml_git} refs/tags/2.6.2
      RESULT_VARIABLE sunken_sfml_reached OUTPUT_QUIET ERROR_VARIABLE sunken_sfml_git_error TIMEOUT 60)
    if(NOT sunken_sfml_reached EQUAL 0)
      string(STRIP "${sunken_sfml_git_error}" sunken_sfml_git_error)
      message(FATAL_ERROR "SFML: ${sunken_sfml_why}, and SFML 2.6.2 cannot be fetched: ${sunken_sfml_git} "
        "cannot be reached (${sunken_sfml_git_error}). With no network, ${sunken_sfml_offline}.")
    endif()
  endif()
  message(STATUS "SFML: building 2.6.2 from ${sunken_sfml_git}, because ${sunken_sfml_why}")
endif()

FetchContent_Declare(SFML
  GIT_REPOSITORY ${sunken_sfml_git}
  GIT_TAG 5383d2b3948f805af55c9f8a4587ac72ec5981d1  # the 2.6.2 release
)

# In a function, so that these settings stay SFML's: static, the four modules
# the game uses, against the system's FreeType, OpenAL, Vorbis, FLAC, X11,
# udev and GL. SFML 2.5's CMake asks for a version that CMake 4 no longer
# emulates; 3.5 is the oldest it still does.
function(sunken_build_sfml)
  set(BUILD_SHARED_LIBS OFF)
  set(SFML_BUILD_NETWORK OFF)
  set(SFML_BUILD_EXAMPLES OFF)
  set(SFML_BUILD_DOC OFF)
  set(SFML_BUILD_TEST_SUITE OFF)
  set(SFML_INSTALL_PKGCONFIG_FILES OFF)
  set(SFML_USE_SYSTEM_DEPS ON)
  set(CMAKE_POLICY_VERSION_MINIMUM 3.5)
  FetchContent_MakeAvailable(SFML)
  # Its install rules would put SFML's headers and static libraries beside
  # the game: out of every install (the game's own rules ship its licence).
  set_property(DIRECTORY ${sfml_SOURCE_DIR} PROPERTY EXCLUDE_FROM_ALL TRUE)
  set(sfml_SOURCE_DIR ${sfml_SOURCE_DIR} PARENT_SCOPE)
endfunction()
sunken_build_sfml()

# SFML's licence asks that it ship with every binary that has SFML in it
# (license.md from SFML 2.5 on, license.txt before).
include(GNUInstallDirs)
file(GLOB sunken_sfml_licence ${sfml_SOURCE_DIR}/license.*)
install(FILES ${sunken_sfml_licence} DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/sunken-finds RENAME SFML.txt)
