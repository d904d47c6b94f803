# `make package`: a Debian package of the install under /usr (the `package` preset), with the
# libraries the executable links found by dpkg-shlibdeps and what it loads at run time listed:
# Qt's platform plugins for the desktop, Mesa's EGL and drivers for the view and the headless
# drawing, and numpy for the Python module.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME burgeon)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "Burgeon developers <maintainers@burgeon.example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "simulate and watch plant shoots grow")
set(CPACK_PACKAGE_DESCRIPTION
    "Burgeon simulates and shows the growth of plant shoots. A plant's architecture
is described as an L-system; Burgeon compiles it into a tree of internodes,
petioles, apices, leaves and flowers, sizes every organ over time with logistic
growth curves fitted to measured data, and shows the plant growing in an
animated 3-D view. The growth can be captured to BMP, JPEG and GIF pictures or
MP4 and WebM video and exported as glTF, OBJ and PLY meshes.
.
The burgeon command does the same without a display, for scripts and parameter
sweeps, and draws the thumbnails file managers show for session files.")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://burgeon.example.org/")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(run_time_depends "qt6-qpa-plugins" "libegl-mesa0" "libgl1-mesa-dri")
if(TARGET burgeon_python)
    list(APPEND run_time_depends "python3 (>= 3.11)" "python3 (<< 3.12)" "python3-numpy")
endif()
list(JOIN run_time_depends ", " CPACK_DEBIAN_PACKAGE_DEPENDS)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
include(CPack)
