# `make package` (or `cmake --build build --target package`): a Debian package of the installed
# program, whose dependencies dpkg-shlibdeps reads off the binaries.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME bootcanvas)
set(CPACK_PACKAGE_VENDOR "The Bootcanvas developers")
set(CPACK_PACKAGE_CONTACT "The Bootcanvas developers <bootcanvas@example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "boot screen manager for Windows 95 and 98")
set(CPACK_PACKAGE_DESCRIPTION
  "Bootcanvas keeps a library of logo sets for a Windows 95 or 98 installation (the startup,\n"
  "wait and shutdown screens), previews them, installs one as the system's screens, changes\n"
  "them at random and builds new ones from BMP, GIF and JPEG pictures. It works on a folder,\n"
  "a real disk or the disk image of a virtual machine.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
  OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION graphics)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Tools the program runs rather than links: the disk images' readers and checkers, and the
# platform plugin that draws its windows.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "mtools, dosfstools, qemu-system-common, fuse3")
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://bootcanvas.example.org/")
include(CPack)
