# The Python module, where Debian's /usr/bin/python3 imports it for the prefix used:
# lib/python3/dist-packages (no version, no multiarch part). Read once every folder has defined
# its targets; without the module's target nothing is installed.
set(BURGEON_PYTHON_DIR lib/python3/dist-packages)
if(TARGET burgeon_python)
    install(TARGETS burgeon_python LIBRARY DESTINATION ${BURGEON_PYTHON_DIR})
    # The module's Python files beside the extension (an __init__.py, .pyi stubs, py.typed)
    # join here when it has them:
    # install(FILES python/burgeon.pyi python/py.typed DESTINATION ${BURGEON_PYTHON_DIR})
endif()
