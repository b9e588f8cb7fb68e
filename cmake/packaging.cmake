# `make package` (or `cmake --build build --target package`): a Debian package of the installed
# program, whose dependencies dpkg-shlibdeps reads off the binaries.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME bootcanvas)
set(CPACK_PACKAGE_VENDOR "The Bootcanvas developers")
set(CPACK_PACKAGE_CONTACT "The Bootcanvas developers <bootcanvas@example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "boot screen manager for Windows 95 and 98")
string(CONCAT CPACK_PACKAGE_DESCRIPTION
  "Bootcanvas keeps a library of logo sets for a Windows 95 or 98 installation\n"
  "(the startup, wait and shutdown screens), previews them, installs one as the\n"
  "system's screens, changes them at random and builds new ones from BMP, GIF\n"
  "and JPEG pictures. It works on a folder, a real disk or the disk image of a\n"
  "virtual machine.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
  OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION graphics)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# What the program runs or loads rather than links: the platform plugin that draws its windows and
# the image plugins that read WebP and TIFF; the disk images' tools and Qt's own translations are
# recommended.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, qt6-image-formats-plugins")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "mtools, dosfstools, qemu-system-common, fuse3, qt6-translations-l10n")
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://bootcanvas.example.org/")
include(CPack)
