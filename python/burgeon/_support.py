"""The pure-Python part of burgeon: its exceptions, tables and mappings.

The compiled part (burgeon._burgeon) raises these exceptions and returns these tables; the
package's __init__ gathers both under the one name ``burgeon``.
"""

import json
import typing
from collections.abc import MutableMapping

import numpy


class Notice(typing.NamedTuple):
    """One thing a call had to tell, in the order it arose.

    kind is "message" (a reader's, the compiler's or the fit's message), "warning" (something
    left out or taken as its default; the work went on), "failure" (why the call did not
    complete) or "detail" (a standard text as it stands); place is the line of a file it arose
    in ("in line 7 of leaf.txt"), or "".
    """

    kind: str
    text: str
    place: str = ""


def _error_text(notices):
    lines = []
    for notice in notices:
        if notice.kind == "warning":
            continue
        lines.append(notice.text)
        if notice.place:
            lines.append(notice.place)
    return "\n".join(lines)


class Error(Exception):
    """The base of every error burgeon raises.

    str(error) is what the command line prints for the same input, without its prefixes
    ("message: ", "burgeon render: "); notices holds each line with its kind and place.
    """

    def __init__(self, text="", notices=()):
        super().__init__(text)
        self.notices = list(notices) or [Notice("failure", text)]

    @classmethod
    def _from_notices(cls, notices):
        notices = [Notice(*notice) for notice in notices]
        return cls(_error_text(notices), notices)

    def __str__(self):
        return self.args[0] if self.args else ""


class InputError(Error, ValueError):
    """A value, a request or a file's contents that burgeon cannot take."""


class FileError(Error, OSError):
    """A file that cannot be read or written (not found, no permission, a full disk, larger
    than its limit)."""


class TimeLimitError(Error, TimeoutError):
    """Long work that took longer than its max_seconds; nothing was changed or written."""


class RenderError(Error, RuntimeError):
    """No OpenGL context could be had to draw the plant."""


class UnknownKeyError(InputError, KeyError):
    """A key path that no session has ("parameters.nothing")."""

    def __str__(self):
        return Error.__str__(self)


class BurgeonWarning(UserWarning):
    """Something burgeon left out or took as its default while the work went on (a session's
    unknown key, a leaf texture that is not there)."""


class Table(numpy.ndarray):
    """A numpy structured array of rows (organs or nodes), one field a column.

    It is an ndarray in every way; a column (table["age"]) is a plain ndarray, and
    to_pandas() gives the same rows as a pandas DataFrame.
    """

    def __getitem__(self, key):
        item = super().__getitem__(key)
        if isinstance(item, numpy.ndarray) and item.dtype.names is None:
            return item.view(numpy.ndarray)
        return item

    def to_pandas(self):
        """The rows as a pandas DataFrame, one column a field (pandas must be installed)."""
        import pandas  # pylint: disable=import-outside-toplevel

        return pandas.DataFrame(numpy.asarray(self))


def json_text(value):
    """A Python value as JSON text: numpy numbers and arrays as their Python values."""

    def plain(item):
        if hasattr(item, "tolist"):
            return item.tolist()
        raise TypeError(f"a session value cannot be a {type(item).__name__}")

    return json.dumps(value, default=plain, ensure_ascii=False)


class Settings(MutableMapping):
    """The plant's session values by their key paths ("parameters.internodeLength"), as the
    session file and --set name them.

    Reading gives the value as the session file holds it (numbers, texts, lists); setting a
    value checks it as --set does and builds the plant again; plant.update() sets several at
    once. The keys are the paths down to each value; a list (the L-system's lines, a colour)
    is one value, and its items can be read and set by their index ("view.rotation.1").
    Values cannot be removed.
    """

    def __init__(self, plant):
        self._plant = plant

    def __getitem__(self, key):
        return json.loads(self._plant._setting(key))

    def __setitem__(self, key, value):
        self._plant.set(key, value)

    def __delitem__(self, key):
        raise TypeError("a session value cannot be removed, only set")

    def __iter__(self):
        return iter(self._plant._setting_keys())

    def __len__(self):
        return len(self._plant._setting_keys())

    def __contains__(self, key):
        try:
            self._plant._setting(key)
        except KeyError:
            return False
        return True

    def __repr__(self):
        return f"<burgeon.Settings of {self._plant!r}>"


ORGANS = ("internode", "petiole", "leaf-length", "leaf-width", "apex", "flower")


class Curves(MutableMapping):
    """The plant's six growth curves by organ: internode, petiole, leaf-length, leaf-width,
    apex and flower.

    Setting an organ's curve to a GrowthCurve types it in; setting it to a GrowthFit also
    takes the growth data it was fitted to, whose times set the time axis. The key "all" sets
    all six at once. Curves cannot be removed.
    """

    def __init__(self, plant):
        self._plant = plant

    def __getitem__(self, organ):
        return self._plant._curve(organ)

    def __setitem__(self, organ, curve):
        self._plant._set_curve(organ, curve)

    def __delitem__(self, organ):
        raise TypeError("a growth curve cannot be removed, only set")

    def __iter__(self):
        return iter(ORGANS)

    def __len__(self):
        return len(ORGANS)

    def __repr__(self):
        return "{" + ", ".join(f"{organ!r}: {self[organ]!r}" for organ in ORGANS) + "}"


# The classes show and pickle as the package's own.
for _class in (Notice, Error, InputError, FileError, TimeLimitError, RenderError, UnknownKeyError,
               BurgeonWarning, Table, Settings, Curves):
    _class.__module__ = "burgeon"
