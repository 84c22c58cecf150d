# Read by cpack for each generator: the archive packs the portable folder,
# the Debian package the system-wide layout below /usr. Each packs one
# install component, as one package.
set(CPACK_COMPONENTS_GROUPING ALL_COMPONENTS_IN_ONE)
if(CPACK_GENERATOR STREQUAL "DEB")
    set(CPACK_DEB_COMPONENT_INSTALL ON)
    set(CPACK_COMPONENTS_ALL system)
    set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
else()
    set(CPACK_ARCHIVE_COMPONENT_INSTALL ON)
    set(CPACK_COMPONENT_INCLUDE_TOPLEVEL_DIRECTORY ON)
    set(CPACK_COMPONENTS_ALL portable)
endif()
