"""Orv.Tess.Varnak from Python: build, read, analyse and copy a fluid description.

Every interface of the library is a class of its own name (``IFluidModels``,
``IBlackOilModel``, ``IOilTable``, ...) with the library's operations under their own
names; the library's implementations (``StdFluidModels``, ``StdOilTable``, ...) are
constructed from Python and owned by it. Tables also read and fill as NumPy arrays
(``to_numpy``/``from_numpy``, or ``rows``/``set_rows`` for the two-level oil and gas
tables), and have ``len()`` and iteration by rows.

Errors keep the library's messages: a bad index raises IndexError, a taken or unknown
name ValueError or RuntimeError as the library says, a negative count ValueError.

An object handed out by its owner keeps the owner alive, and once the owner deleted or
replaced it, using it raises DeletedObjectError (a ReferenceError) instead of reaching
freed memory.

Pictures of tables: the module ``orv_tess_varnak.plot`` (matplotlib), imported only when
used. ``load_deck`` reads a simulation input deck, where the module was built with the
deck import.
"""

from ._core import *  # noqa: F401,F403

try:
    from ._core import DeckError, ImportReport, load_deck  # noqa: F401
except ImportError:  # built without the deck import
    pass
