# The Python module is part of the default build when pybind11, Python's headers and NumPy are
# installed. It is built for Debian's own interpreter, /usr/bin/python3, unless Python3_EXECUTABLE
# names another: a python3 that comes first on PATH (a pyenv, a virtual environment) cannot
# import Debian's packages. The module links every library into one shared object, so the
# libraries are then built as position-independent code.
#
# Under the sanitizers the module is left out: an instrumented extension cannot be loaded into
# an interpreter that was not started with the sanitizer runtime.
#
# A macro, not a function: pybind11_add_module reads the variables the two packages set.
macro(burgeon_find_python)
    set(BURGEON_PYTHON_MODULE OFF)
    if(BURGEON_PYTHON AND NOT BURGEON_SANITIZE AND NOT BURGEON_FUZZ)
        set(Python3_EXECUTABLE /usr/bin/python3 CACHE FILEPATH
            "The Python interpreter the module is built and tested for")
        find_package(Python3 COMPONENTS Interpreter Development.Module NumPy)
        if(Python3_FOUND)
            find_package(pybind11 CONFIG QUIET)
        endif()
        if(Python3_FOUND AND pybind11_FOUND)
            message(STATUS "Python module: for ${Python3_EXECUTABLE} (Python ${Python3_VERSION})")
            set(BURGEON_PYTHON_MODULE ON)
            set(CMAKE_POSITION_INDEPENDENT_CODE ON)
        else()
            message(STATUS "Python module: left out (needs pybind11, Python's headers and NumPy "
                           "for ${Python3_EXECUTABLE})")
        endif()
    endif()
endmacro()
