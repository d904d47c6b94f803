# The Python module, where Debian's /usr/bin/python3 imports it for the prefix used:
# lib/python3/dist-packages/burgeon (no version, no multiarch part): the compiled part and the
# Python files beside it, as the build tree lays them out. Read once every folder has defined
# its targets; without the module's target nothing is installed.
set(BURGEON_PYTHON_DIR lib/python3/dist-packages)
if(TARGET burgeon_python)
    install(TARGETS burgeon_python LIBRARY DESTINATION ${BURGEON_PYTHON_DIR}/burgeon)
    get_target_property(pythonFiles burgeon_python BURGEON_PYTHON_FILES)
    install(FILES ${pythonFiles} DESTINATION ${BURGEON_PYTHON_DIR}/burgeon)
endif()
