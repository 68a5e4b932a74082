# The Debian package of the calculator, built with CPack (scripts/package.sh):
# the program in /usr/bin, price list and help in /usr/share/veltra, the menu
# entry and the icon. Library dependencies are read from the program by
# dpkg-shlibdeps, so they follow whatever it links (Qt 6, libxlsxwriter).
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME veltra-calculator)
set(CPACK_PACKAGE_VENDOR Dorvesk)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
    "Configuration and price calculator for Dorvesk Veltra telephone exchanges")
set(CPACK_PACKAGE_DESCRIPTION
    "Describe what a customer needs (extension and trunk boards, telephone sets,\n\
cordless, IP telephony, power and frame options); the calculator works out\n\
cabinets, frame, power equipment and software, prices every item from the\n\
price list and exports a quotation with a discount cell. Russian interface.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGE_DIRECTORY ${CMAKE_BINARY_DIR}/packages)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "Dorvesk Veltra Calculator <support@dorvesk.ru>")
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Qt loads its X11 platform plugin at run time, which no library check sees.
# Its translations make the file and print dialogs speak Russian.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, qt6-translations-l10n")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "xchm")
include(CPack)
