# `make package`: a Debian package of what the install rules install, under /usr.

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME quillane)
set(CPACK_PACKAGE_VENDOR Kestrova)
set(CPACK_PACKAGE_CONTACT "Kestrova <support@kestrova.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "batch file renamer with a live preview")
string(CONCAT CPACK_PACKAGE_DESCRIPTION
    "Quillane renames many files at once. Files and whole folders are gathered into a rename list, "
    "rules set the new names (base name and extension, counting prefixes and suffixes, a date or "
    "time stamp, case, search and replace, clean-up of spaces and escapes) and every new name shows "
    "beside the old one as the rules change. A status column shows conflicts before a run; runs "
    "complete swaps and cycles of names, are recorded in a journal so that a run cut short is "
    "finished or put back at the next start, and can be undone.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE https://quillane.kestrova.example/)
# The libraries it links are found by dpkg-shlibdeps; Qt's platform plugins are loaded at run time,
# so no link names them.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS qt6-qpa-plugins)

include(CPack)
