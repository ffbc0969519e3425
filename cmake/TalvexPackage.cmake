# `make package`: one Debian package, talvex, holding everything the install
# rules lay out, under /usr. Its dependencies are read off the programs by
# dpkg-shlibdeps (package dpkg-dev): the C++ runtime and the Qt 6 libraries.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME talvex)
set(CPACK_PACKAGE_VENDOR "TALVEX tooling")
set(CPACK_PACKAGE_CONTACT "TALVEX tooling maintainers <maintainers@talvex.invalid>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "configuration manager and test-data tools for the TALVEX engine")
set(CPACK_PACKAGE_DESCRIPTION "\
Tools for the configuration file of the TALVEX Traffic Shaping Engine (TSE).
talvexmgr, the Qt configuration manager, edits its rule, address-mask,
priority-queue and QoS tables. talvexcfg verifies, lists and rewrites
configuration files from the console. tabseed writes random connection-table
entries as test data for the engine.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION net)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The fonts the manager draws with; no library names them.
set(CPACK_DEBIAN_PACKAGE_DEPENDS fonts-liberation)
include(CPack)
