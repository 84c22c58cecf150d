# Read by cpack for each generator: the archive packs the portable folder,
# the Debian package the system-wide layout below /usr. Each packs one
# install component, as one package.
set(CPACK_COMPONENTS_GROUPING ALL_COMPONENTS_IN_ONE)
set(CPACK_PRE_BUILD_SCRIPTS ${CPACK_TEMPAROKA_SOURCE_DIR}/packaging/staged-permissions.cmake)
if(CPACK_GENERATOR STREQUAL "DEB")
    set(CPACK_DEB_COMPONENT_INSTALL ON)
    set(CPACK_COMPONENTS_ALL system)
    set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
    # The libraries and what the program loads at run time, as the build
    # found them: the same list the portable archive's README installs.
    file(READ ${CPACK_TEMPAROKA_DEPENDS_FILE} CPACK_DEBIAN_PACKAGE_DEPENDS)
else()
    set(CPACK_ARCHIVE_COMPONENT_INSTALL ON)
    set(CPACK_COMPONENT_INCLUDE_TOPLEVEL_DIRECTORY ON)
    set(CPACK_COMPONENTS_ALL portable)
    # CPack writes the builder's user and group into the archive; it is
    # packed again with root's, so that who builds it does not show.
    set(CPACK_POST_BUILD_SCRIPTS ${CPACK_TEMPAROKA_SOURCE_DIR}/packaging/reproducible-archive.cmake)
endif()

# Two builds of the same sources give the same bytes: CPack gives every file
# and archive member the time in SOURCE_DATE_EPOCH and leaves the time out of
# the gzip headers. Which time that is, build-date.cmake decides.
include(${CPACK_TEMPAROKA_SOURCE_DIR}/packaging/build-date.cmake)
