"""Burgeon: plant shoots grown from an L-system and logistic growth curves, in Python.

A plant comes from a session file or an L-system::

    import burgeon
    plant = burgeon.open_session("examples/sessions/1-soybean.burgeon", seed=1)
    plant.set("parameters.internodeLength", 0.1)
    table = plant.organs(60)           # a numpy structured array, as `render --organs` lists
    picture = plant.render(60)          # 600 x 800 x 3 uint8, as `burgeon render` draws
    plant.export("soybean.glb", time=60)

Growth data is fitted with fit_growth(); long work (compiling, exporting, filming) takes a
progress callback and max_seconds and stops at Ctrl-C. Errors are burgeon.Error: InputError
(a ValueError) for bad values and files' contents, FileError (an OSError) for files that
cannot be read or written, each with the command line's text.

Files the plant draws with (the land's grass1.bmp, the built-in leaf textures) are read from
the current folder, as the command line reads them.
"""

from ._support import (
    ORGANS,
    BurgeonWarning,
    Curves,
    Error,
    FileError,
    InputError,
    Notice,
    RenderError,
    Settings,
    Table,
    TimeLimitError,
    UnknownKeyError,
)
from ._burgeon import (
    CompileReport,
    ExportSummary,
    GrowthCurve,
    GrowthFit,
    Message,
    Plant,
    __version__,
    fit_growth,
    open_session,
)

__all__ = [
    "ORGANS",
    "BurgeonWarning",
    "CompileReport",
    "Curves",
    "Error",
    "ExportSummary",
    "FileError",
    "GrowthCurve",
    "GrowthFit",
    "InputError",
    "Message",
    "Notice",
    "Plant",
    "RenderError",
    "Settings",
    "Table",
    "TimeLimitError",
    "UnknownKeyError",
    "__version__",
    "fit_growth",
    "open_session",
]
